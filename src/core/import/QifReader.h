#pragma once

#include "StatementLine.h"

#include <QByteArrayView>
#include <QCoreApplication>

#include <optional>

/// Reads the transactions of the bank, cash and credit card accounts
/// (!Type:Bank, !Type:Cash, !Type:CCard) of a QIF file. Other sections
/// (account lists, categories, investments) are passed over.
class QifReader final
{
    Q_DECLARE_TR_FUNCTIONS(QifReader)

public:
    /// Reads the file's bytes. Dates with slashes are read in `order`, or
    /// in the order the dates themselves call for when none is given.
    [[nodiscard]] static StatementRead read(QByteArrayView bytes, std::optional<DateOrder> order = std::nullopt);
};
