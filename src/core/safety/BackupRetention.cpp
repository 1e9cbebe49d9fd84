#include "BackupRetention.h"

#include <QSet>

namespace BackupRetention {

QList<bool> kept(const QList<QDateTime> &newestFirst, const QDateTime &now, const BackupLimits &limits)
{
    const QDate firstDay = now.date().addDays(1 - qint64(limits.days));
    QList<bool> result(newestFirst.size(), false);
    QSet<QDate> daysKept;
    for (qsizetype i = 0; i < newestFirst.size(); ++i) {
        const QDate day = newestFirst[i].date();
        const bool newestOfItsDay = !daysKept.contains(day);
        daysKept.insert(day);
        result[i] = i < limits.versions || (limits.days > 0 && newestOfItsDay && day >= firstDay);
    }
    return result;
}

} // namespace BackupRetention
