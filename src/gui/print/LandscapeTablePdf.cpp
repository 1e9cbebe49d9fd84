#include "LandscapeTablePdf.h"

#include "PrintPageSetup.h"
#include "PrintRenderer.h"
#include "PrintoutHtml.h"

#include <QLocale>
#include <QPageLayout>

QByteArray LandscapeTablePdf::of(const QAbstractItemModel &table, const QString &title, const QString &subtitle,
                                 const QString &documentName)
{
    QPageLayout layout = PrintPageSetup::pageLayoutFor(QLocale());
    layout.setOrientation(QPageLayout::Landscape);
    return PrintRenderer::pdf(PrintoutHtml::table(table, title, subtitle), layout, true, documentName);
}
