#include "platform/QtAlerts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

using Button = Alerts::Button;

const Alerts::Alert kQuestion{Alerts::Kind::Question,
                              QStringLiteral("Confirm"),
                              QStringLiteral("Delete /tmp/<b>x</b>?"),
                              {{Button::Action, QStringLiteral("Delete")}, {Button::Cancel}},
                              Button::Cancel};

} // namespace

/// The desktop's alert answers which button was pressed, whatever the order
/// of the buttons, and shows the message as written.
class TestAlerts : public QObject
{
    Q_OBJECT

private slots:
    void theAnswerNamesTheButtonPressed_data()
    {
        QTest::addColumn<Alerts::Alert>("alert");
        QTest::addColumn<QString>("press"); // "return", "escape" or a button's text
        QTest::addColumn<Alerts::Button>("answer");
        QTest::addColumn<int>("icon");
        QTest::newRow("Return presses the default, Cancel")
            << kQuestion << "return" << Button::Cancel << int(QMessageBox::Question);
        QTest::newRow("the action") << kQuestion << "Delete" << Button::Action << int(QMessageBox::Question);
        Alerts::Alert actionFirst = kQuestion;
        actionFirst.defaultButton = Button::Action;
        QTest::newRow("Return presses the default, the action")
            << actionFirst << "return" << Button::Action << int(QMessageBox::Question);
        QTest::newRow("Escape presses Cancel, not the default")
            << actionFirst << "escape" << Button::Cancel << int(QMessageBox::Question);
        const Alerts::Alert twoActions{Alerts::Kind::Question,
                                       QStringLiteral("Date Order"),
                                       QStringLiteral("Which?"),
                                       {{Button::Action, QStringLiteral("Month First")},
                                        {Button::OtherAction, QStringLiteral("Day First")}},
                                       Button::Action};
        QTest::newRow("the second of two actions")
            << twoActions << "Day First" << Button::OtherAction << int(QMessageBox::Question);
        QTest::newRow("Escape without Cancel presses the default")
            << twoActions << "escape" << Button::Action << int(QMessageBox::Question);
        const Alerts::Alert warning{Alerts::Kind::Warning, Alerts::warningTitle(), QStringLiteral("Careful"),
                                    {{Button::Ok}}, Button::Ok};
        QTest::newRow("a warning with OK") << warning << "return" << Button::Ok << int(QMessageBox::Warning);
        const Alerts::Alert information{Alerts::Kind::Information, QStringLiteral("WARNING"), QStringLiteral("Note"),
                                        {{Button::Ok}}, Button::Ok};
        QTest::newRow("the kind, not the title, picks the icon")
            << information << "escape" << Button::Ok << int(QMessageBox::Information);
    }

    void theAnswerNamesTheButtonPressed()
    {
        QFETCH(Alerts::Alert, alert);
        QFETCH(QString, press);
        QFETCH(Alerts::Button, answer);
        QFETCH(int, icon);
        int shownIcon = -1;
        QString shownText;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            shownIcon = box->icon();
            shownText = box->text();
            format = box->textFormat();
            if (press == u"return" || press == u"escape") {
                QTest::keyClick(box, press == u"return" ? Qt::Key_Return : Qt::Key_Escape);
                return;
            }
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == press)
                    button->click();
            }
        });
        QCOMPARE(QtAlerts().show(alert), answer);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(shownText, alert.message);
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(TestAlerts)
#include "tst_alerts.moc"
