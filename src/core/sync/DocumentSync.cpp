#include "DocumentSync.h"

#include "DocumentHost.h"
#include "TunnelHelperLocation.h"
#include "WorkingCopyConflict.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "platform/Alerts.h"
#include "platform/AtomicFile.h"
#include "platform/Settings.h"

#include <QFileInfo>
#include <QTimer>

namespace {

/// The file's folder as a Subversion target: the trailing "@" is an empty
/// peg revision, so that an "@" in the path is taken as part of the name.
QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath() + QLatin1Char('@');
}

} // namespace

DocumentSync::DocumentSync(BudgetDocument &document, DocumentHost &host, Settings &settings, Alerts &alerts,
                           RecentDocuments *recents, QObject *parent)
    : QObject(parent)
    , _document(document)
    , _host(host)
    , _settings(settings)
    , _alerts(alerts)
    , _recents(recents)
{
}

DocumentSync::~DocumentSync() = default;

void DocumentSync::loadFromFile(const QString &path, bool withOptionSync, bool detach)
{
    if (_svnTask)
        return;
    _svnOpenState = false;
    _fileLoaded = false;
    _disk.forget();
    if (!path.isEmpty()) {
        _document.eraseAllData();
        if (!fileOperationsAllowed())
            return;
        if (withOptionSync && _settings.syncData()) {
            _loadFileName = path;
            doSvnUpdate(detach);
            return;
        }
        _fileLoaded = loadFile(path);
    }
    if (_fileLoaded)
        _host.initLoadedView();
    else
        _host.initView();
}

bool DocumentSync::loadFile(const QString &path)
{
    BudgetFileReader::Options options;
    options.sortData = _settings.sortData();
    options.recents = _recents;
    options.warnWhenMissing = false;
    // Taken before the read: a change while it reads shows as a newer time.
    const DiskVersion::Stamp stamp = DiskVersion::Stamp::of(path);
    options.bytesRead = [this, &path, &stamp](const QByteArray &bytes) { _disk.note(path, bytes, stamp); };
    const BudgetFileReader::LoadResult result = BudgetFileReader::loadFile(_document, path, _alerts, options);
    if (result == BudgetFileReader::LoadResult::Loaded)
        return true;
    _disk.forget();
    if (result == BudgetFileReader::LoadResult::Missing)
        _host.fileMissing(path);
    else
        _host.setFileName(QString());
    return false;
}

bool DocumentSync::saveToFile(const QString &path, bool withOptionSync)
{
    if (path.isEmpty())
        return true;
    // While an update runs the document is empty: writing it would wipe the
    // data file.
    if (_svnTask)
        return false;
    if (!fileOperationsAllowed())
        return false;
    const QByteArray bytes = BudgetFileWriter::buildData(_document);
    if (!AtomicFile::write(path, bytes)) {
        _alerts.warning(tr("Data File %1 could not be opened for write!\n").arg(path));
        return false;
    }
    // At once: the commit's progress window lets events through, the
    // window's look for changes made by others among them.
    _disk.note(path, bytes, DiskVersion::Stamp::of(path));
    if (withOptionSync && _svnOpenState && _settings.syncData()) {
        doSvnCommit(path);
        // The commit may rewrite what it keeps expanded in the file.
        _disk.note(path);
    }
    return true;
}

void DocumentSync::newDocument()
{
    _svnOpenState = false;
    _disk.forget();
    _document.eraseAllData();
}

bool DocumentSync::fileOperationsAllowed()
{
    if (!_allowFileOperations)
        _alerts.warning(tr("File operations not allowed due to SVN sync failure!\n"));
    return _allowFileOperations;
}

void DocumentSync::whenUpdateHandled(std::function<void()> command)
{
    if (_svnTask)
        _heldBack.append(std::move(command));
    else
        command();
}

void DocumentSync::startSvnTask(const QString &progressMessage, QStringList arguments, const QString &folder)
{
    _progWin = _host.startProgress(progressMessage);
    arguments << QStringLiteral("--non-interactive") << folder;
    _svnTask = new ChildProcess(_svnClient, arguments, {}, this);
    QTimer::singleShot(_cancelOfferDelay, _svnTask, [this, task = _svnTask] {
        if (!_progWin)
            return;
        _progWin->offerCancel([task] { task->cancel(); });
        task->letUserInputThrough();
    });
}

void DocumentSync::doSvnUpdate(bool detach)
{
    // The folder of the file about to be loaded, which is what needs to be current.
    startSvnTask(tr("Performing SVN update"), {QStringLiteral("update")}, folderOf(_loadFileName));
    if (detach) {
        _updateInFlight = true;
        connect(_svnTask, &ChildProcess::finished, this, &DocumentSync::svnUpdateFinished);
        _svnTask->start();
        return;
    }

    const ChildProcess::Outcome outcome = _svnTask->runBlocking();
    closeProgress();
    // The document was emptied when the update began; whatever reached it
    // since belongs to no file and must not mix into the one loaded now.
    _document.eraseAllData();
    if (outcome.cancelled) {
        loadAfterCancelledUpdate();
    } else if (WorkingCopyConflict::isConflicted(_loadFileName)) {
        lockFileOperations(tr("SVN update left %1 in conflict!\nFile Not Loaded.").arg(_loadFileName));
    } else {
        _svnOpenState = true;
        _fileLoaded = loadFile(_loadFileName);
        if (!outcome.succeeded())
            lockFileOperations(updateFailure(outcome));
    }
    releaseSvnTask();
    _loadFileName.clear();
    _host.initView();
}

void DocumentSync::svnUpdateFinished(const ChildProcess::Outcome &outcome)
{
    ChildProcess::pause(_syncPause);
    disconnect(_svnTask, &ChildProcess::finished, this, &DocumentSync::svnUpdateFinished);
    closeProgress();
    // The document was emptied when the update began; whatever reached it
    // since belongs to no file and must not mix into the one loaded now.
    _document.eraseAllData();
    if (outcome.cancelled) {
        loadAfterCancelledUpdate();
    } else if (WorkingCopyConflict::isConflicted(_loadFileName)) {
        lockFileOperations(tr("SVN update left %1 in conflict!\nFile Not Loaded.").arg(_loadFileName));
    } else if (!outcome.succeeded()) {
        lockFileOperations(updateFailure(outcome) + tr("File Not Loaded."));
    } else {
        _svnOpenState = true;
        _fileLoaded = loadFile(_loadFileName);
    }
    releaseSvnTask();
    _loadFileName.clear();
    _host.initView();

    _updateInFlight = false;
    emit updateHandled();
    runHeldBack();
}

void DocumentSync::loadAfterCancelledUpdate()
{
    // Not through the update: leaving this file must not commit it.
    _fileLoaded = loadFile(_loadFileName);
    if (_fileLoaded)
        _alerts.warning(tr("SVN update cancelled.\n%1 was loaded as the working copy has it, without the update; "
                           "it will not be committed when you leave it.")
                            .arg(_loadFileName));
    else
        _alerts.warning(tr("SVN update cancelled.\n"));
}

void DocumentSync::doSvnCommit(const QString &savedPath)
{
    // The folder of the file just saved: the New command has already made
    // another file current when it saves the one it leaves.
    startSvnTask(tr("Performing SVN commit"), {QStringLiteral("ci"), kCommitMessageArgument}, folderOf(savedPath));
    const ChildProcess::Outcome outcome = _svnTask->runBlocking();
    ChildProcess::pause(_syncPause);
    closeProgress();
    if (outcome.cancelled)
        _alerts.warning(tr("SVN commit cancelled.\n%1 is saved, but not committed.").arg(savedPath));
    else if (!outcome.started)
        _alerts.warning(
            tr("SVN commit failed: the Subversion client %1 could not be started!\n").arg(_svnClient));
    else if (!outcome.succeeded())
        _alerts.warning(tr("SVN commit returned status %1!\n").arg(outcome.status));
    releaseSvnTask();
}

void DocumentSync::lockFileOperations(const QString &message)
{
    _svnOpenState = false;
    _allowFileOperations = false;
    _alerts.warning(message);
}

QString DocumentSync::updateFailure(const ChildProcess::Outcome &outcome) const
{
    if (!outcome.started)
        return tr("SVN update failed: the Subversion client %1 could not be started!\n").arg(_svnClient);
    return tr("SVN update returned status %1!\n").arg(outcome.status);
}

void DocumentSync::launchTunnelHelper()
{
    if (_sshTask || !_settings.svnRunScript() || !_settings.syncData())
        return;
    const QString executable = TunnelHelperLocation(resourcesFolder()).executablePath();
    const QFileInfo file(executable);
    if (!file.isFile() || !file.isExecutable()) {
        _alerts.warning(tr("Tunnel helper %1 not found!\nContinuing without it.").arg(executable));
        return;
    }
    _systemLog->write(QStringLiteral("Launch[%1]\n").arg(executable));
    _sshTask = ChildProcess::startIndependent(executable, {});
    if (!_sshTask) {
        _alerts.warning(
            tr("Tunnel helper %1 could not be started!\nContinuing without it.").arg(executable));
        return;
    }
    _alerts.inform(tr("Continue"), tr("Continue launching Orrinwick"));
}

QString DocumentSync::resourcesFolder() const
{
    // Asked at launch, not at construction: the program's folder is known
    // once the application object exists.
    return _resourcesFolder.value_or(TunnelHelperLocation::resourcesFolder());
}

void DocumentSync::closeProgress()
{
    if (_progWin)
        _progWin->closeWindow();
    _progWin.reset();
}

void DocumentSync::releaseSvnTask()
{
    // Later: the end of a detached update is reported from inside the task.
    std::exchange(_svnTask, nullptr)->deleteLater();
    // After a blocking run the command that waited for it goes on first.
    if (!_updateInFlight && !_heldBack.isEmpty())
        QMetaObject::invokeMethod(this, &DocumentSync::runHeldBack, Qt::QueuedConnection);
}

void DocumentSync::runHeldBack()
{
    // Another run may have started since: its end runs them.
    if (_svnTask)
        return;
    const QList<std::function<void()>> heldBack = std::exchange(_heldBack, {});
    for (const std::function<void()> &command : heldBack)
        command();
}
