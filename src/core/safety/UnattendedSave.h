#pragma once

#include "OpenFileLock.h"
#include "SafetyPlaces.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class BudgetDocument;
class Settings;

/// A data file written without the window (by the command line), as a save
/// from the window writes it: under the file's lock, which refuses a file
/// another Orrinwick holds open, and with the file it replaces kept with the
/// backups as the user's settings say.
class UnattendedSave final
{
    Q_DECLARE_TR_FUNCTIONS(UnattendedSave)

public:
    UnattendedSave(const QString &path, const Settings &settings, SafetyPlaces places = SafetyPlaces::user());
    Q_DISABLE_COPY_MOVE(UnattendedSave)

    /// Takes the file's lock, before the file is read; answers who holds it
    /// when another Orrinwick does. A lock that cannot be made at all (a
    /// folder without write access) holds nobody back.
    [[nodiscard]] std::optional<OpenFileLock::Holder> lock();
    /// Keeps the file it replaces with the backups, then writes the
    /// document whole; answers why when nothing was written.
    [[nodiscard]] std::optional<QString> write(const BudgetDocument &document);

    /// What is said when another Orrinwick holds the file: nothing was written.
    [[nodiscard]] static QString heldMessage(const QString &path, const OpenFileLock::Holder &holder);

private:
    QString _path;
    const Settings &_settings;
    SafetyPlaces _places;
    OpenFileLock _lock;
};
