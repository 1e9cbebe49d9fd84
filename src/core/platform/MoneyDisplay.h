#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

/// Money as the user reads it on screen: the stored decimal text
/// ("-1234.5") written with the locale's sign, digit grouping and decimal
/// mark ("-1.234,5" in German). The digits stay those stored, so nothing is
/// rounded away; text that is no plain decimal number is shown as it is.
/// The data file and the edit text keep the stored form.
namespace MoneyDisplay {

[[nodiscard]] QString format(QStringView stored, const QLocale &locale = QLocale());

} // namespace MoneyDisplay
