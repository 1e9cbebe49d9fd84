#pragma once

#include "StatementLine.h"

#include <QCoreApplication>

/// Reads the bank and credit card transactions of an OFX file, SGML (1.x)
/// or XML (2.x), and of QFX, its Quicken form, through libofx.
class OfxReader final
{
    Q_DECLARE_TR_FUNCTIONS(OfxReader)

public:
    /// Reads the file at the path; its bytes, already read, tell where the
    /// transactions are and whether the file is whole.
    [[nodiscard]] static StatementRead read(const QString &path, QByteArrayView bytes);
};
