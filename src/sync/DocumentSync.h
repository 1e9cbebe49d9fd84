#pragma once

#include <QObject>
#include <QString>

class Alerts;
class BudgetDocument;
class DocumentHost;
class RecentDocuments;
class Settings;

/// Loading and saving the data file, with the Subversion update before a
/// load and the commit when a file is left, and the lock after a failed
/// update. The application controller hands its file operations to this.
class DocumentSync final : public QObject
{
    Q_OBJECT

public:
    DocumentSync(BudgetDocument &document, DocumentHost &host, Settings &settings, Alerts &alerts,
                 RecentDocuments *recents, QObject *parent = nullptr);

    /// Empties the document and loads the file, through an update first when
    /// `withOptionSync` and "SyncData" are on; `detach` lets the update finish
    /// later instead of waiting for it.
    void loadFromFile(const QString &path, bool withOptionSync, bool detach);
    /// Loads the file into the (emptied) document; a file that does not load
    /// is reported and leaves no current file name. Answers whether it loaded.
    bool loadFile(const QString &path);
    /// Writes the document to the path; with `withOptionSync` commits when the
    /// document came through a successful update. Answers false when nothing
    /// could be written (the user was told); an empty path answers true.
    [[nodiscard]] bool saveToFile(const QString &path, bool withOptionSync);
    /// Whether loads and saves are allowed; warns when they are not.
    [[nodiscard]] bool fileOperationsAllowed();

    [[nodiscard]] bool allowFileOperations() const { return _allowFileOperations; }
    [[nodiscard]] bool svnOpenState() const { return _svnOpenState; }

private:
    BudgetDocument &_document;
    DocumentHost &_host;
    Settings &_settings;
    Alerts &_alerts;
    RecentDocuments *_recents;

    bool _allowFileOperations = true;
    bool _svnOpenState = false;
};
