#pragma once

#include <QCoreApplication>
#include <QStringList>

class Settings;

/// orrinwick --import STATEMENT FILE [--year YYYY] [--format ofx|qif|csv]
/// [--credits] [--dry-run]: imports a statement into a data file without a
/// window, with the user's category rules and CSV layouts. Prints one line
/// per statement line and a summary; writes the file whole or not at all,
/// as a save from the window would (UnattendedSave).
class ImportCommandLine final
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommandLine)

public:
    /// Runs the mode on the two files; the options with values are read from
    /// `arguments`, the command line as given. Answers the exit status: 0
    /// done, 1 nothing written (the statement or the data file could not be
    /// read or written, or another Orrinwick has the file open), 2 a usage
    /// error. Reads the settings (registered defaults included), never writes them.
    [[nodiscard]] static int run(const QString &statementPath, const QString &dataFile, const QStringList &arguments,
                                 Settings &settings);
};
