#include "RecoveryWriter.h"

#include "SnapshotFile.h"
#include "platform/AtomicFile.h"
#include "platform/PrivateFolder.h"

#include <QFile>
#include <QFileInfo>

RecoveryWriter::RecoveryWriter(QObject *parent)
    : QObject(parent)
    , _worker(new QObject)
{
    _thread.setObjectName(QStringLiteral("RecoveryWriter"));
    _worker->moveToThread(&_thread);
    _thread.start(QThread::LowPriority);
}

RecoveryWriter::~RecoveryWriter()
{
    waitForDone();
    _thread.quit();
    _thread.wait();
    delete _worker;
}

void RecoveryWriter::write(const QString &path, DocumentSnapshot snapshot, const QString &dataPath)
{
    const quint64 job = ++_lastJob;
    QMetaObject::invokeMethod(_worker, [this, job, path, snapshot = std::move(snapshot), dataPath] {
        if (job != _lastJob)
            return;
        const bool ok = PrivateFolder::make(QFileInfo(path).absolutePath())
            && AtomicFile::writeCopy(path, SnapshotFile::bytes(snapshot), dataPath);
        emit written(path, ok);
    });
}

void RecoveryWriter::remove(const QString &path)
{
    ++_lastJob;
    QMetaObject::invokeMethod(_worker, [path] { QFile::remove(path); });
}

void RecoveryWriter::waitForDone()
{
    QMetaObject::invokeMethod(_worker, [] {}, Qt::BlockingQueuedConnection);
}
