#include "ReadableColors.h"

#include <cmath>

namespace ReadableColors {

namespace {

double luminance(const QColor &color)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

const QColor kDeepRed(0xc0, 0x1c, 0x28);
const QColor kLightRed(0xff, 0x7b, 0x72);

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor negativeFigure(const QColor &background)
{
    return contrast(kDeepRed, background) >= contrast(kLightRed, background) ? kDeepRed : kLightRed;
}

} // namespace ReadableColors
