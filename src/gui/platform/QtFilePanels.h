#pragma once

#include "FilePanels.h"

/// File panels on QFileDialog.
class QtFilePanels final : public FilePanels
{
public:
    [[nodiscard]] std::optional<QString> runSavePanel(QWidget *parent, const QString &message,
                                                      const QString &suggestedPath) override;
    [[nodiscard]] std::optional<QString> runOpenPanel(QWidget *parent) override;
    [[nodiscard]] std::optional<QString> runChoosePanel(QWidget *parent, const QString &message,
                                                        const QString &suggestedPath) override;
    [[nodiscard]] std::optional<QString> runImportPanel(QWidget *parent) override;
    [[nodiscard]] std::optional<QString> runExportPanel(QWidget *parent, const QString &title,
                                                        const QString &suggestedPath) override;
};
