#pragma once

#include "FilePanels.h"

#include <QList>
#include <QStringList>

/// Test double: answers each panel from a script (cancel once the script is
/// used up) and records which panels were shown.
class ScriptedFilePanels final : public FilePanels
{
public:
    /// The next panels answer these locations in order; nothing means Cancel.
    void answer(std::initializer_list<std::optional<QString>> locations) { _answers.append(QList(locations)); }

    [[nodiscard]] std::optional<QString> runSavePanel(QWidget *, const QString &message,
                                                      const QString &suggestedPath) override
    {
        _shown << QStringLiteral("save: ") + message;
        _suggested << suggestedPath;
        return next();
    }

    [[nodiscard]] std::optional<QString> runOpenPanel(QWidget *) override
    {
        _shown << QStringLiteral("open");
        return next();
    }

    [[nodiscard]] std::optional<QString> runChoosePanel(QWidget *, const QString &message,
                                                        const QString &suggestedPath) override
    {
        _shown << QStringLiteral("choose: ") + message;
        _suggested << suggestedPath;
        return next();
    }

    [[nodiscard]] std::optional<QString> runImportPanel(QWidget *) override
    {
        _shown << QStringLiteral("import");
        return next();
    }
    [[nodiscard]] std::optional<QString> runExportPanel(QWidget *, const QString &title,
                                                        const QString &suggestedPath) override
    {
        _shown << QStringLiteral("export: ") + title;
        _suggested << suggestedPath;
        return next();
    }

    /// "open", "import", "save: " or "choose: " and the message, or "export: " and the title, for
    /// every panel shown.
    [[nodiscard]] const QStringList &shown() const { return _shown; }
    /// The paths the save, choose and export panels started at.
    [[nodiscard]] const QStringList &suggested() const { return _suggested; }

private:
    std::optional<QString> next() { return _answers.isEmpty() ? std::nullopt : _answers.takeFirst(); }

    QList<std::optional<QString>> _answers;
    QStringList _shown;
    QStringList _suggested;
};
