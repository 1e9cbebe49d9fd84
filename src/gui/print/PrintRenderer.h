#pragma once

#include <QByteArray>
#include <QString>

class QPageLayout;
class QPagedPaintDevice;

/// Puts a printout's rich text on paper or into a PDF as text, never as a
/// picture, so that a PDF can be searched and copied from.
namespace PrintRenderer {

/// Lays the rich text out on the device's pages and draws it page by page.
/// With `fitOnOnePage` the type shrinks, down to 6 points, until it fits
/// one page; what still does not fit goes on, its table heading repeated.
void render(const QString &html, QPagedPaintDevice &device, bool fitOnOnePage);

/// The PDF of the rich text on the page layout, titled in its properties.
[[nodiscard]] QByteArray pdf(const QString &html, const QPageLayout &layout, bool fitOnOnePage,
                             const QString &title);

} // namespace PrintRenderer
