#include "PrintPageSetup.h"

#include <QMarginsF>

namespace PrintPageSetup {

QPageSize::PageSizeId pageSizeFor(const QLocale &locale)
{
    // The measurement system alone would miss Canada and Mexico, which
    // measure in metric and print on Letter.
    static const QList<QLocale::Territory> letter{
        QLocale::UnitedStates, QLocale::Canada,      QLocale::Mexico,    QLocale::Philippines,
        QLocale::Chile,        QLocale::Colombia,    QLocale::Venezuela, QLocale::CostaRica,
        QLocale::Guatemala,    QLocale::PuertoRico,  QLocale::Panama,    QLocale::DominicanRepublic,
        QLocale::ElSalvador,   QLocale::Nicaragua,   QLocale::Belize};
    if (letter.contains(locale.territory()) || locale.measurementSystem() == QLocale::ImperialUSSystem)
        return QPageSize::Letter;
    return QPageSize::A4;
}

QPageLayout pageLayoutFor(const QLocale &locale)
{
    return QPageLayout(QPageSize(pageSizeFor(locale)), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

} // namespace PrintPageSetup
