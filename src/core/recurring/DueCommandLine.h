#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

class Settings;

/// `orrinwick --due FILE [--until YYYY-MM-DD] [--enter]`: the occurrences
/// of FILE's recurring transactions due up to the date (today by default)
/// and not yet entered or skipped, one line each,
/// `YYYY-MM-DD<TAB>category<TAB>description<TAB>amount` in date order, then
/// a summary line. With --enter they are entered (an estimate at its
/// estimate) and FILE is written as a save from the window writes it.
class DueCommandLine final
{
    Q_DECLARE_TR_FUNCTIONS(DueCommandLine)

public:
    DueCommandLine() = delete;

    /// `arguments`, the command line as given, is read for --until and
    /// --enter; `today` is the default of --until. Answers the exit status:
    /// 1, with nothing written, when FILE cannot be read or written.
    [[nodiscard]] static int run(const QString &path, const QStringList &arguments, const Settings &settings,
                                 QDate today);
};
