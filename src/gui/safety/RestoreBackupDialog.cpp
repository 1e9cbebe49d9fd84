#include "RestoreBackupDialog.h"

#include "help/HandbookPage.h"
#include "ui_RestoreBackup.h"

#include "document/BudgetDocument.h"
#include "document/GridText.h"
#include "document/MonthDisplay.h"
#include "editing/DocumentSetup.h"
#include "platform/ModalLoop.h"
#include "safety/DocumentSafety.h"
#include "safety/SnapshotFile.h"

#include <QLocale>
#include <QPushButton>
#include <QStandardItemModel>

namespace {

QStandardItem *cellItem(const QString &text, bool number)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

RestoreBackupDialog::RestoreBackupDialog(const QList<BackupStore::Version> &versions, bool envelopeView,
                                         QWidget *parent)
    : QDialog(parent)
    , _ui(std::make_unique<Ui::RestoreBackup>())
    , _versions(versions)
    , _envelopeView(envelopeView)
    , _versionModel(new QStandardItemModel(this))
    , _previewModel(new QStandardItemModel(this))
{
    _ui->setupUi(this);
    HandbookPage::set(*this, QStringLiteral("backups-and-recovery"));
    _restore = _ui->buttons->addButton(tr("&Restore"), QDialogButtonBox::AcceptRole);
    _restore->setObjectName(QStringLiteral("restoreButton"));
    _restore->setAccessibleName(tr("Restore the chosen backup"));
    _restore->setToolTip(tr("Make the budget the chosen backup, in one step that Undo takes back"));
    _restore->setDefault(true);
    _ui->buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Cancel"));
    _ui->buttons->button(QDialogButtonBox::Cancel)->setToolTip(tr("Close and keep the budget as it is (Esc)"));
    _ui->_versions->setModel(_versionModel);
    _ui->_preview->setModel(_previewModel);
    connect(_ui->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(_ui->_versions, &QAbstractItemView::activated, this, &QDialog::accept);
    fillVersions();
    QStringList titles{tr("Category")};
    for (int month = 0; month < 12; ++month)
        titles << MonthDisplay::shortName(month);
    titles << tr("Average");
    _previewModel->setHorizontalHeaderLabels(titles);
    connect(_ui->_versions->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &RestoreBackupDialog::showPreview);
    // Selecting the newest shows its preview.
    if (_versions.isEmpty())
        showPreview();
    else
        _ui->_versions->selectRow(0);
}

RestoreBackupDialog::~RestoreBackupDialog() = default;

std::optional<BackupStore::Version> RestoreBackupDialog::choose(const QList<BackupStore::Version> &versions,
                                                                bool envelopeView, QWidget *parent)
{
    RestoreBackupDialog dialog(versions, envelopeView, parent);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    dialog._ui->_versions->setFocus();
    ModalLoop::current().run(&dialog);
    return dialog.result() == QDialog::Accepted ? dialog.selectedVersion() : std::nullopt;
}

void RestoreBackupDialog::run(DocumentSafety &safety, const QString &dataPath, bool envelopeView, QWidget *parent)
{
    const std::optional<BackupStore::Version> version
        = choose(safety.backups(dataPath).versions(), envelopeView, parent);
    if (version)
        safety.restore(*version);
}

std::optional<BackupStore::Version> RestoreBackupDialog::selectedVersion() const
{
    const QModelIndex current = _ui->_versions->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return _versions.value(current.row());
}

void RestoreBackupDialog::done(int result)
{
    QDialog::done(result);
    ModalLoop::current().stop(this);
}

void RestoreBackupDialog::fillVersions()
{
    _versionModel->setHorizontalHeaderLabels(
        {tr("Date"), tr("Time"), tr("Size"), tr("Categories"), tr("Entries")});
    const QLocale locale;
    for (const BackupStore::Version &version : std::as_const(_versions)) {
        const std::optional<DocumentSnapshot> &snapshot = _snapshots.emplace_back(SnapshotFile::readFile(version.path));
        const SnapshotFile::Counts counts = snapshot ? SnapshotFile::counts(*snapshot) : SnapshotFile::Counts();
        QString time = locale.toString(version.time.time(), QStringLiteral("HH:mm:ss"));
        if (version.recovered)
            time = tr("%1 (unsaved changes)").arg(time);
        _versionModel->appendRow({cellItem(locale.toString(version.time.date(), QLocale::ShortFormat), false),
                                  cellItem(time, false), cellItem(locale.formattedDataSize(version.size), true),
                                  cellItem(snapshot ? locale.toString(counts.categories) : tr("unreadable"), true),
                                  cellItem(snapshot ? locale.toString(counts.entries) : QString(), true)});
    }
    _ui->_versions->resizeColumnsToContents();
}

void RestoreBackupDialog::showPreview()
{
    _previewModel->setRowCount(0);
    const int row = _ui->_versions->currentIndex().row();
    const std::optional<DocumentSnapshot> snapshot = row >= 0 ? _snapshots.value(row) : std::nullopt;
    _restore->setEnabled(snapshot.has_value());
    if (!snapshot)
        return;
    // The figures as the grid would show them in the present view mode.
    BudgetDocument preview;
    DocumentSetup::setEnvelopeView(preview, _envelopeView);
    DocumentSetup::restore(preview, *snapshot);
    const QList<CategoryRow> &rows = preview.getCatArray();
    for (int row = 0; row < rows.size(); ++row) {
        QList<QStandardItem *> cells;
        for (const QString &column : gridColumnIds())
            cells.append(cellItem(gridDisplayText(rows[row], row, column), column != kDescId));
        _previewModel->appendRow(cells);
    }
    _ui->_preview->resizeColumnsToContents();
}
