#pragma once

#include <QString>

class Decimal;

/// How Find and the printouts show an amount: the exact figure with at
/// least two decimals ("12.50", "-3.00", "0.125"). Kept in one place so that
/// these views can follow the locale's money format with one change.
[[nodiscard]] QString moneyText(const Decimal &amount);
