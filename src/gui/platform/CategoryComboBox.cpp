#include "CategoryComboBox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

/// Return or Tab while the list of matches is open takes the match shown
/// first when none is highlighted: a typed "dining" and Return is "Dining
/// out". Tab then goes on as Tab does in a cell, to the next one.
class TakeFirstMatch final : public QObject
{
public:
    TakeFirstMatch(QCompleter &completer, QComboBox &box)
        : QObject(&completer)
        , _completer(completer)
        , _box(box)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        QAbstractItemView *popup = _completer.popup();
        const bool accepts = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Tab;
        if (!accepts || !popup->isVisible() || _completer.completionCount() == 0)
            return QObject::eventFilter(watched, event);
        if (!popup->currentIndex().isValid())
            popup->setCurrentIndex(_completer.completionModel()->index(0, 0));
        if (key->key() != Qt::Key_Tab)
            return QObject::eventFilter(watched, event);
        _box.setEditText(popup->currentIndex().data().toString());
        popup->hide();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, key->modifiers());
        QCoreApplication::sendEvent(&_box, &tab);
        return true;
    }

private:
    QCompleter &_completer;
    QComboBox &_box;
};

} // namespace

CategoryComboBox::CategoryComboBox(const QStringList &categories, QWidget *parent)
    : QComboBox(parent)
{
    addItems(categories);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(qMax(1, count()));
    QCompleter *names = completer();
    names->setCompletionMode(QCompleter::PopupCompletion);
    names->setCaseSensitivity(Qt::CaseInsensitive);
    names->setFilterMode(Qt::MatchContains);
    // Installed after the completer's own filter, so it sees the keys first.
    names->popup()->installEventFilter(new TakeFirstMatch(*names, *this));
}

QString CategoryComboBox::typedName() const
{
    return currentText().trimmed();
}

QString CategoryComboBox::listedName() const
{
    const int at = findText(typedName(), Qt::MatchFixedString);
    return at < 0 ? QString() : itemText(at);
}

void CategoryComboBox::setName(const QString &name)
{
    setCurrentIndex(findText(name));
    setEditText(name);
    lineEdit()->selectAll();
}
