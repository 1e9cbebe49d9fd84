#include "QtFilePanels.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

std::optional<QString> runPanel(QFileDialog &panel)
{
    panel.setDirectory(QDir::homePath());
    panel.setNameFilter(QFileDialog::tr("Budget files (*.txt)"));
    panel.setDefaultSuffix(QStringLiteral("txt"));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return std::nullopt;
    return panel.selectedFiles().constFirst();
}

} // namespace

std::optional<QString> QtFilePanels::runSavePanel(QWidget *parent, const QString &message)
{
    QFileDialog panel(parent, message);
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    panel.selectFile(QString());
    return runPanel(panel);
}

std::optional<QString> QtFilePanels::runOpenPanel(QWidget *parent)
{
    QFileDialog panel(parent, QFileDialog::tr("Open Budget"));
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setFileMode(QFileDialog::ExistingFile);
    return runPanel(panel);
}

std::optional<QString> QtFilePanels::runImportPanel(QWidget *parent)
{
    QFileDialog panel(parent, QFileDialog::tr("Import Transactions"));
    panel.setAcceptMode(QFileDialog::AcceptOpen);
    panel.setFileMode(QFileDialog::ExistingFile);
    panel.setDirectory(QDir::homePath());
    panel.setNameFilters({QFileDialog::tr("Bank statements (*.ofx *.qfx *.qif *.csv *.OFX *.QFX *.QIF *.CSV)"),
                          QFileDialog::tr("All files (*)")});
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return std::nullopt;
    return panel.selectedFiles().constFirst();
}

std::optional<QString> QtFilePanels::runExportPanel(QWidget *parent, const QString &title,
                                                    const QString &suggestedPath)
{
    QFileDialog panel(parent, title);
    panel.setAcceptMode(QFileDialog::AcceptSave);
    panel.setFileMode(QFileDialog::AnyFile);
    panel.setNameFilter(QFileDialog::tr("CSV files (*.csv)"));
    panel.setDefaultSuffix(QStringLiteral("csv"));
    const QFileInfo suggested(suggestedPath);
    panel.setDirectory(suggested.absolutePath());
    panel.selectFile(suggested.fileName());
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return std::nullopt;
    return panel.selectedFiles().constFirst();
}
