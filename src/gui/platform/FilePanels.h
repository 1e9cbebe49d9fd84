#pragma once

#include <QString>

#include <optional>

class QWidget;

/// The open and save panels for data files: only "txt" files, starting in
/// the user's home folder; and the save panel of an export to CSV. Each
/// answers the chosen location, or nothing when the user cancelled.
class FilePanels
{
public:
    virtual ~FilePanels() = default;

    /// Asks for a new file's path, with the message as the panel's title,
    /// starting at the suggested path (a folder ending in "/", or a folder
    /// and file name), or in the home folder when there is none.
    [[nodiscard]] virtual std::optional<QString> runSavePanel(QWidget *parent, const QString &message,
                                                              const QString &suggestedPath) = 0;
    /// Asks for one existing file.
    [[nodiscard]] virtual std::optional<QString> runOpenPanel(QWidget *parent) = 0;
    /// Asks for an existing budget file to read, with the message as the
    /// panel's title, starting at the suggested path.
    [[nodiscard]] virtual std::optional<QString> runChoosePanel(QWidget *parent, const QString &message,
                                                                const QString &suggestedPath) = 0;
    /// Asks for a bank statement to import (OFX, QFX, QIF or CSV).
    [[nodiscard]] virtual std::optional<QString> runImportPanel(QWidget *parent) = 0;
    /// Asks where an export goes, with the title as the panel's title,
    /// starting at the suggested path (folder and file name), whose suffix
    /// ("csv", "pdf") names the kind of file.
    [[nodiscard]] virtual std::optional<QString> runExportPanel(QWidget *parent, const QString &title,
                                                                const QString &suggestedPath) = 0;
};
