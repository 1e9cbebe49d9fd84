#include "HandbookPage.h"

#include <QVariant>
#include <QWidget>

namespace {

constexpr char kProperty[] = "handbookPage";

} // namespace

namespace HandbookPage {

void set(QWidget &window, const QString &page)
{
    window.setProperty(kProperty, page);
}

QString of(const QWidget *widget)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const QVariant page = widget->property(kProperty); page.isValid())
            return page.toString();
    }
    return {};
}

} // namespace HandbookPage
