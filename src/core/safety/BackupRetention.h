#pragma once

#include <QDateTime>
#include <QList>

/// How many backups of a data file are kept.
struct BackupLimits
{
    static constexpr int kDefaultVersions = 20;
    static constexpr int kDefaultDays = 60;

    /// The newest versions kept whatever their day.
    int versions = kDefaultVersions;
    /// Days, today included, that each keep their last version.
    int days = kDefaultDays;
};

namespace BackupRetention {

/// Which of the backups, given by their times newest first, are kept at
/// `now`: the newest `versions`, and the newest of each day among the last
/// `days` days. The answer has one flag per time.
[[nodiscard]] QList<bool> kept(const QList<QDateTime> &newestFirst, const QDateTime &now, const BackupLimits &limits);

} // namespace BackupRetention
