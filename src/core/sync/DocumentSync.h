#pragma once

#include "DiskVersion.h"
#include "platform/ChildProcess.h"
#include "platform/SystemLog.h"

#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class Alerts;
class BudgetDocument;
class DocumentHost;
class ProgressWindow;
class RecentDocuments;
class Settings;

/// Loading and saving the data file, with the Subversion update before a
/// load and the commit when a file is left, the lock after a failed update,
/// and the tunnel helper started at launch. The application controller hands
/// its file operations to this.
///
/// While the update of start-up (a detached one) is in flight the document is
/// empty, so the application must hold back its file commands, open requests
/// and Quit until it has been handled: see updateInFlight(),
/// whenUpdateHandled() and updateHandled(). The same holds, for requests that
/// get through while a blocking run waits (a window closed meanwhile), until
/// that run has ended.
class DocumentSync final : public QObject
{
    Q_OBJECT

public:
    static inline const QString kSvnClient = QStringLiteral("/usr/bin/svn");
    /// One argument: the log message in double quotes, which the repository
    /// keeps (no shell takes them off).
    static inline const QString kCommitMessageArgument = QStringLiteral("-m\"Budget App commit.\"");
    /// The pause after a commit and before handling the end of a detached
    /// update, which lets the progress window be read.
    static constexpr std::chrono::milliseconds kSyncPause{1000};
    /// How long a Subversion run goes on before its progress window offers
    /// Cancel: long enough not to flash a button at every save.
    static constexpr std::chrono::milliseconds kCancelOfferDelay{3000};

    DocumentSync(BudgetDocument &document, DocumentHost &host, Settings &settings, Alerts &alerts,
                 RecentDocuments *recents, QObject *parent = nullptr);
    ~DocumentSync() override;

    /// Empties the document and loads the file, through an update first when
    /// `withOptionSync` and "SyncData" are on; `detach` lets the update finish
    /// later instead of waiting for it. Refused (nothing changes) while a
    /// Subversion run is under way.
    void loadFromFile(const QString &path, bool withOptionSync, bool detach);
    /// Loads the file into the (emptied) document; a file that does not load
    /// is reported and leaves no current file name, and one that is not
    /// there is handed to the host. Answers whether it loaded.
    bool loadFile(const QString &path);
    /// Writes the document to the path; with `withOptionSync` commits when the
    /// document came through a successful update. Answers false when nothing
    /// could be written (the user was told, except while a Subversion run is
    /// under way: then nothing is written); an empty path answers true.
    [[nodiscard]] bool saveToFile(const QString &path, bool withOptionSync);
    /// Empties the document for a file made new. No update brought it, so
    /// saving it commits nothing until a file is loaded through one.
    void newDocument();
    /// Whether loads and saves are allowed; warns when they are not.
    [[nodiscard]] bool fileOperationsAllowed();

    [[nodiscard]] bool allowFileOperations() const { return _allowFileOperations; }
    /// Whether the document holds the file last asked for by loadFromFile().
    /// False while its update runs and after an update that loaded nothing
    /// (failed, or left the file in conflict): the file name stays, but what
    /// the document holds is not that file's.
    [[nodiscard]] bool fileLoaded() const { return _fileLoaded; }
    [[nodiscard]] bool svnOpenState() const { return _svnOpenState; }
    /// The file last loaded or written, as it was then; forgotten by a load
    /// that failed and by a new document.
    [[nodiscard]] DiskVersion &diskVersion() { return _disk; }
    /// A Subversion run is under way.
    [[nodiscard]] bool running() const { return _svnTask != nullptr; }

    /// Whether the file commands (Open, New, Save, Save As) may be offered:
    /// file operations are allowed and no detached update is in flight.
    [[nodiscard]] bool fileCommandsEnabled() const { return _allowFileOperations && !_updateInFlight; }
    /// A detached update has started and its end has not been handled yet.
    [[nodiscard]] bool updateInFlight() const { return _updateInFlight; }
    /// Runs the command now or, while a Subversion run is under way, once it
    /// has ended (in the order asked): right after a detached update has been
    /// handled, from the event loop after a blocking update or commit.
    void whenUpdateHandled(std::function<void()> command);

    /// Starts the tunnel helper, once per run, when "SVNRunScript" and
    /// "SyncData" are both on; then waits for the user's "Continue". A helper
    /// that is missing or does not start is reported and left out.
    void launchTunnelHelper();
    /// The tunnel helper's process id once it has been started.
    [[nodiscard]] std::optional<qint64> sshTask() const { return _sshTask; }

    /// Tests shorten the pauses; the program keeps kSyncPause and kCancelOfferDelay.
    void setSyncPause(std::chrono::milliseconds pause) { _syncPause = pause; }
    void setCancelOfferDelay(std::chrono::milliseconds delay) { _cancelOfferDelay = delay; }
    /// Where the tunnel helper's launch line goes (the system log by default).
    void setSystemLog(SystemLog &log) { _systemLog = &log; }
    /// Tests run a stand-in for the Subversion client; the program keeps
    /// kSvnClient. Never read from the settings: a user's store must not
    /// choose which program runs on the data.
    void setSvnClient(const QString &program) { _svnClient = program; }
    /// Tests look for the tunnel helper in another folder; the program keeps
    /// its own resources folder (TunnelHelperLocation::resourcesFolder()).
    void setResourcesFolder(const QString &folder) { _resourcesFolder = folder; }

signals:
    /// The detached update has been handled: the file is loaded, or the
    /// failure reported; the commands held back have run.
    void updateHandled();

private:
    /// A Subversion run on the folder, never asking on a terminal; its
    /// progress window offers Cancel after kCancelOfferDelay.
    void startSvnTask(const QString &progressMessage, QStringList arguments, const QString &folder);
    void doSvnUpdate(bool detach);
    /// Loads the file as the working copy has it, after an update that was cancelled.
    void loadAfterCancelledUpdate();
    void svnUpdateFinished(const ChildProcess::Outcome &outcome);
    void doSvnCommit(const QString &savedPath);
    /// The end of an update that did not succeed: nothing more is loaded or saved this run.
    void lockFileOperations(const QString &message);
    [[nodiscard]] QString updateFailure(const ChildProcess::Outcome &outcome) const;
    [[nodiscard]] QString resourcesFolder() const;
    void closeProgress();
    void releaseSvnTask();
    void runHeldBack();

    BudgetDocument &_document;
    DocumentHost &_host;
    Settings &_settings;
    Alerts &_alerts;
    RecentDocuments *_recents;
    SystemLog _syslog;
    SystemLog *_systemLog = &_syslog;
    std::chrono::milliseconds _syncPause = kSyncPause;
    std::chrono::milliseconds _cancelOfferDelay = kCancelOfferDelay;
    QString _svnClient = kSvnClient;
    std::optional<QString> _resourcesFolder;

    bool _allowFileOperations = true;
    bool _svnOpenState = false;
    bool _fileLoaded = false;
    QString _loadFileName;
    DiskVersion _disk;
    ChildProcess *_svnTask = nullptr; // a child of this object
    std::unique_ptr<ProgressWindow> _progWin;
    std::optional<qint64> _sshTask;
    bool _updateInFlight = false;
    QList<std::function<void()>> _heldBack;
};
