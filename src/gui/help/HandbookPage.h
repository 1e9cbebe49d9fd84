#pragma once

#include <QString>

class QWidget;

/// The handbook page about a window, which F1 in that window opens: each
/// secondary window names its page once, as it is built.
namespace HandbookPage {

void set(QWidget &window, const QString &page);
/// The page named by the widget's window or the nearest window it lies in;
/// empty when none names one.
[[nodiscard]] QString of(const QWidget *widget);

} // namespace HandbookPage
