#pragma once

#include "document/DocumentSnapshot.h"

#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>

/// Writes recovery files on a thread of its own, so that the window never
/// waits for the disk: the caller hands over a snapshot (which shares its
/// lists with the document) and goes on; the worker turns it into the file
/// image and writes it atomically. Jobs run in the order asked; a write
/// that a later job has made useless is skipped.
class RecoveryWriter final : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryWriter(QObject *parent = nullptr);
    /// Finishes the jobs asked so far.
    ~RecoveryWriter() override;
    Q_DISABLE_COPY_MOVE(RecoveryWriter)

    /// Writes the snapshot's file image to the path, as private as the
    /// data file it stands for (none for a budget never saved).
    void write(const QString &path, DocumentSnapshot snapshot, const QString &dataPath);
    /// Removes the file once every job asked before has run.
    void remove(const QString &path);
    /// Returns once every job asked so far has run.
    void waitForDone();

signals:
    /// A write has ended (on the writer's thread; connections queue it).
    void written(const QString &path, bool ok);

private:
    QThread _thread;
    QObject *_worker;
    std::atomic<quint64> _lastJob = 0;
};
