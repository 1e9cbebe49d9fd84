#pragma once

#include <QByteArray>
#include <QString>

class BudgetDocument;
struct DocumentSnapshot;

/// The comment every budget file begins with.
inline const QString kFileHeader = QStringLiteral("; ****** MONTHLY_BUDGET ******");
inline const QString kFileVersion0 = QStringLiteral("Ver 0");
inline const QString kFileVersion1 = QStringLiteral("Ver 1");

/// Writes the document as a data file in the current layout ("Ver 1", CR LF).
namespace BudgetFileWriter {

/// The whole file image.
[[nodiscard]] QByteArray buildData(const BudgetDocument &document);
/// The file image of a document's data, as a snapshot holds it.
[[nodiscard]] QByteArray buildData(const DocumentSnapshot &contents);
/// Replaces the file at the path whole with the document's image; on any
/// failure the old file is left untouched and the answer is false.
[[nodiscard]] bool writeFile(const BudgetDocument &document, const QString &path);

} // namespace BudgetFileWriter
