#include "FileDropHandler.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

const QByteArray kBudgetFirstLine = "; ****** MONTHLY_BUDGET ******";

} // namespace

FileDropHandler::FileDropHandler(QWidget &window)
    : QObject(&window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FileDropHandler::isBudgetFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(kBudgetFirstLine.size() + 2);
    if (!start.startsWith(kBudgetFirstLine))
        return false;
    const QByteArray rest = start.mid(kBudgetFirstLine.size());
    return rest.isEmpty() || rest.startsWith('\n') || rest.startsWith("\r\n");
}

QString FileDropHandler::droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    return data->urls().first().toLocalFile();
}

bool FileDropHandler::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (droppedFile(drag->mimeData()).isEmpty())
            return QObject::eventFilter(watched, event);
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty())
            return QObject::eventFilter(watched, event);
        drop->acceptProposedAction();
        if (isBudgetFile(path))
            emit budgetFileDropped(path);
        else
            emit otherFileDropped(path);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
