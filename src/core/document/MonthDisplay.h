#pragma once

#include <QString>
#include <QStringView>

/// Month names as the windows show them, in the user's language. The
/// data file and the command-line report keep the English names of
/// document/MonthTables.h.
namespace MonthDisplay {

/// "January" … "December" for 0–11; a null text for any other number.
[[nodiscard]] QString name(int month);
/// The name of a month key ("jan" … "dec"); a null text for any other text.
[[nodiscard]] QString name(QStringView monthId);
/// "Jan" … "Dec", as the grid's column titles.
[[nodiscard]] QString shortName(int month);

} // namespace MonthDisplay
