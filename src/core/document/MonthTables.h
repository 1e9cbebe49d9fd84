#pragma once

#include <QString>
#include <QStringList>

#include <array>

/// The twelve month keys ("jan" … "dec"), short names and full names.
namespace MonthTables {

inline constexpr int kMonthCount = 12;

[[nodiscard]] const QStringList &monthKeys();
[[nodiscard]] const QStringList &monthNames();
[[nodiscard]] const QStringList &monthFriendlyNames();

/// Index 0–11 gives that month's key; any other index gives "jan".
[[nodiscard]] QString monthIdString(int index);
/// Position of the month key; a text that is no month key gives 0.
[[nodiscard]] int monthIndex(QStringView monthId);
/// Position of the month key, or -1 for a text that is no month key.
[[nodiscard]] int findMonth(QStringView monthId);
/// "January" … "December"; a null text for a text that is no month key.
[[nodiscard]] QString monthFriendlyName(QStringView monthId);

} // namespace MonthTables
