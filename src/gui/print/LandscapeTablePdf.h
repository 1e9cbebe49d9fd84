#pragma once

#include <QByteArray>
#include <QString>

class QAbstractItemModel;

/// A wide table (a column per month and more) as its model shows it, across
/// a landscape page of the locale's paper, shrunk to fit one page.
namespace LandscapeTablePdf {

/// `title` heads the page above `subtitle`; `documentName` titles the PDF's properties.
[[nodiscard]] QByteArray of(const QAbstractItemModel &table, const QString &title, const QString &subtitle,
                            const QString &documentName);

} // namespace LandscapeTablePdf
