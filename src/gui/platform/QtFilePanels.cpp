#include "QtFilePanels.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

/// Starts in the suggestion's folder, on its file name when it has one.
void startAt(QFileDialog &panel, const QString &suggestedPath)
{
    if (suggestedPath.isEmpty()) {
        panel.setDirectory(QDir::homePath());
        return;
    }
    const QFileInfo suggested(suggestedPath);
    panel.setDirectory(suggested.absolutePath());
    panel.selectFile(suggested.fileName());
}

std::optional<QString> runPanel(QFileDialog &panel)
{
    panel.setNameFilter(QFileDialog::tr("Budget files (*.txt)"));
    panel.setDefaultSuffix(QStringLiteral("txt"));
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return std::nullopt;
    return panel.selectedFiles().constFirst();
}

/// A panel for a budget file: a new one to save, or an existing one to open.
std::optional<QString> runBudgetPanel(QWidget *parent, const QString &title, QFileDialog::AcceptMode mode,
                                      const QString &suggestedPath)
{
    QFileDialog panel(parent, title);
    panel.setAcceptMode(mode);
    panel.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    startAt(panel, suggestedPath);
    return runPanel(panel);
}

} // namespace

std::optional<QString> QtFilePanels::runSavePanel(QWidget *parent, const QString &message,
                                                  const QString &suggestedPath)
{
    return runBudgetPanel(parent, message, QFileDialog::AcceptSave, suggestedPath);
}

std::optional<QString> QtFilePanels::runOpenPanel(QWidget *parent)
{
    return runBudgetPanel(parent, QFileDialog::tr("Open Budget"), QFileDialog::AcceptOpen, QString());
}

std::optional<QString> QtFilePanels::runChoosePanel(QWidget *parent, const QString &message,
                                                    const QString &suggestedPath)
{
    return runBudgetPanel(parent, message, QFileDialog::AcceptOpen, suggestedPath);
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
    const bool pdf = QFileInfo(suggestedPath).suffix().compare(u"pdf", Qt::CaseInsensitive) == 0;
    panel.setNameFilter(pdf ? QFileDialog::tr("PDF files (*.pdf)") : QFileDialog::tr("CSV files (*.csv)"));
    panel.setDefaultSuffix(pdf ? QStringLiteral("pdf") : QStringLiteral("csv"));
    startAt(panel, suggestedPath);
    if (panel.exec() != QDialog::Accepted || panel.selectedFiles().isEmpty())
        return std::nullopt;
    return panel.selectedFiles().constFirst();
}
