#pragma once

#include <QObject>

class Alerts;
class FilePanels;
class MyDataSource;
class QAction;
class Settings;

/// File → Import Transactions… (Ctrl+I): reads a bank statement, shows the
/// preview, and adds the ticked lines to their months, with the new
/// categories picked for them in the preview, as one change the user can
/// undo. The file is saved only by the usual commands. Installs
/// its action in the File menu.
class ImportCommand final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImportCommand)

public:
    ImportCommand(MyDataSource &dataSource, Settings &settings, FilePanels &filePanels, Alerts &alerts,
                  QObject *parent = nullptr);

    [[nodiscard]] QAction *action() const { return _action; }

    /// Asks for a statement file, then imports it.
    void menuImport();
    /// Imports the statement at the path (a file dropped on the window, or
    /// one chosen from the menu): a statement that cannot be read is told
    /// in one alert and changes nothing.
    void importStatementFile(const QString &path);

private:
    MyDataSource &_dataSource;
    Settings &_settings;
    FilePanels &_filePanels;
    Alerts &_alerts;
    QAction *_action;
};
