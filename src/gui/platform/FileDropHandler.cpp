#include "FileDropHandler.h"

#include "document/BudgetFileWriter.h"
#include "platform/FileRead.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDropHandler::FileDropHandler(QWidget &window)
    : QObject(&window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool FileDropHandler::isBudgetFile(const QString &path)
{
    const QByteArray header = kFileHeader.toLatin1();
    const FileRead::Result file = FileRead::start(path, 3 + header.size() + 2);
    if (!file.ok())
        return false;
    QByteArray start = file.bytes;
    // A byte order mark an editor put first is no part of the file, as the reader sees it.
    if (start.startsWith("\xEF\xBB\xBF"))
        start.remove(0, 3);
    if (!start.startsWith(header))
        return false;
    const QByteArray rest = start.mid(header.size());
    return rest.isEmpty() || rest.startsWith('\n') || rest.startsWith("\r\n");
}

QString FileDropHandler::droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
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
