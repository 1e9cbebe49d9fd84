#pragma once

#include "document/DocumentSnapshot.h"
#include "safety/BackupStore.h"

#include <QDialog>

#include <memory>
#include <optional>

class DocumentSafety;
class QPushButton;
class QStandardItemModel;
namespace Ui {
class RestoreBackup;
}

/// File → Restore from Backup…: the backups of the open file with their
/// date, time, size and how many categories and entries they hold; the
/// chosen one's grid shown read-only below; Restore and Cancel.
class RestoreBackupDialog final : public QDialog
{
    Q_OBJECT

public:
    /// The preview's figures follow the view mode given.
    RestoreBackupDialog(const QList<BackupStore::Version> &versions, bool envelopeView, QWidget *parent = nullptr);
    ~RestoreBackupDialog() override;

    /// Shows the dialog modally (through the modal loop); answers the
    /// version chosen with Restore, or nothing.
    [[nodiscard]] static std::optional<BackupStore::Version> choose(const QList<BackupStore::Version> &versions,
                                                                    bool envelopeView, QWidget *parent);

    /// The whole command for the file's backups: the choice, then the
    /// restore as one change Undo takes back.
    static void run(DocumentSafety &safety, const QString &dataPath, bool envelopeView, QWidget *parent);

    /// The version selected in the list.
    [[nodiscard]] std::optional<BackupStore::Version> selectedVersion() const;
    [[nodiscard]] QPushButton *restoreButton() const { return _restore; }

    void done(int result) override;

private:
    void fillVersions();
    void showPreview();

    std::unique_ptr<Ui::RestoreBackup> _ui;
    QList<BackupStore::Version> _versions;
    /// Each version as read once, in the same order; nothing for one that does not read.
    QList<std::optional<DocumentSnapshot>> _snapshots;
    bool _envelopeView;
    QStandardItemModel *_versionModel;
    QStandardItemModel *_previewModel;
    QPushButton *_restore;
};
