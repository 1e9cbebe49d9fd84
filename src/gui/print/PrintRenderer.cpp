#include "PrintRenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

namespace PrintRenderer {

namespace {

constexpr qreal kLargestPoints = 10;
constexpr qreal kSmallestPoints = 6;

void layOut(QTextDocument &document, const QString &html, qreal points)
{
    QFont font = document.defaultFont();
    font.setPointSizeF(points);
    // Ligatures would reach the PDF's text as one character ("ﬁ"), which a
    // search or a copy of "fibre" would not find.
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    document.setHtml(html);
}

} // namespace

void render(const QString &html, QPagedPaintDevice &device, bool fitOnOnePage)
{
    QTextDocument document;
    // Laid out at the device's resolution, in its page, so what is measured
    // is what is drawn; the page layout's margins are the only margins. The
    // foot of each page is kept for its number.
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    const qreal footer = 2.5 * QFontMetricsF(document.defaultFont(), &device).height();
    document.setPageSize(QSizeF(device.width(), device.height() - footer));
    qreal points = kLargestPoints;
    layOut(document, html, points);
    while (fitOnOnePage && document.pageCount() > 1 && points > kSmallestPoints) {
        points -= 0.5;
        layOut(document, html, points);
    }

    QPainter painter(&device);
    painter.setFont(document.defaultFont());
    const QSizeF page = document.pageSize();
    const int pages = document.pageCount();
    for (int at = 0; at < pages; ++at) {
        if (at > 0)
            device.newPage();
        const QRectF area(0, at * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -area.top());
        document.drawContents(&painter, area);
        painter.restore();
        if (pages > 1)
            painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignRight | Qt::AlignBottom,
                             QCoreApplication::translate("PrintRenderer", "Page %1 of %2").arg(at + 1).arg(pages));
    }
}

QByteArray pdf(const QString &html, const QPageLayout &layout, bool fitOnOnePage, const QString &title)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Orrinwick"));
        render(html, writer, fitOnOnePage);
    }
    return bytes;
}

} // namespace PrintRenderer
