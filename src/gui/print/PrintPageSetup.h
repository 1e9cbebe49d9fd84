#pragma once

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

/// The paper the printouts are laid out for.
namespace PrintPageSetup {

/// Letter where the locale's country uses it (the United States, Canada,
/// Mexico and a few more in the Americas and the Philippines), A4 everywhere else.
[[nodiscard]] QPageSize::PageSizeId pageSizeFor(const QLocale &locale);

/// Landscape on the locale's paper, with margins of 12 mm.
[[nodiscard]] QPageLayout pageLayoutFor(const QLocale &locale);

} // namespace PrintPageSetup
