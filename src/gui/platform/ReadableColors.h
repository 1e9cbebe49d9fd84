#pragma once

#include <QColor>

/// Colours that stay readable whatever the desktop's colour scheme.
namespace ReadableColors {

/// The contrast ratio of two colours, 1 (none) to 21 (black on white), as
/// the accessibility guidelines measure it.
[[nodiscard]] double contrast(const QColor &a, const QColor &b);

/// The red of negative figures on this background: a deep red on light
/// schemes, a light red on dark ones.
[[nodiscard]] QColor negativeFigure(const QColor &background);

} // namespace ReadableColors
