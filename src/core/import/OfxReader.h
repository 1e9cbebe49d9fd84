#pragma once

#include "StatementLine.h"

#include <QCoreApplication>

/// Reads the bank and credit card transactions of an OFX file, SGML (1.x)
/// or XML (2.x), and of QFX, its Quicken form, through libofx.
class OfxReader final
{
    Q_DECLARE_TR_FUNCTIONS(OfxReader)

public:
    /// Reads a statement's bytes. libofx reads only files: it is handed a
    /// private copy, never the user's path again, which might by then name
    /// a pipe or another file.
    [[nodiscard]] static StatementRead read(QByteArrayView bytes);
};
