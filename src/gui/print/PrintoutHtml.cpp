#include "PrintoutHtml.h"

#include "document/BudgetDocument.h"
#include "document/Decimal.h"
#include "document/GridText.h"
#include "document/MonthDisplay.h"
#include "document/MonthTables.h"
#include "register/voCheckViewData.h"
#include "year/MoneyText.h"

#include <QAbstractItemModel>

namespace {

const QString kNegativeColor = QStringLiteral("#c01c28");

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

/// A figure that keeps its minus sign and is also drawn in red below zero.
QString figure(const QString &text)
{
    if (text.startsWith(u'-'))
        return QStringLiteral("<span style=\"color:%1\">%2</span>").arg(kNegativeColor, escaped(text));
    return escaped(text);
}

QString page(const QString &title, const QString &subtitle, const QString &body)
{
    return QStringLiteral("<html><body><h3>%1</h3><p>%2</p>%3</body></html>")
        .arg(escaped(title), escaped(subtitle), body);
}

const QString kTable = QStringLiteral(
    "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" border=\"1\" "
    "style=\"border-collapse:collapse; border-color:#9a9a9a\">");

} // namespace

PrintoutHtml::MonthRegister PrintoutHtml::monthRegister(const voCheckViewData &data, const BudgetDocument &document)
{
    MonthRegister month;
    month.month = data.heldMonth();
    month.budget = document.calculateBudgetForColumnId(month.month);
    month.records.reserve(data.numberOfRowsInTableView());
    for (int row = 0; row < data.numberOfRowsInTableView(); ++row)
        month.records.append(data.record(row));
    return month;
}

QString PrintoutHtml::budgetGrid(const BudgetDocument &document, const QString &title)
{
    QString rows = kTable + QStringLiteral("<thead><tr style=\"background-color:#d0d0d0\"><th align=\"left\">")
                   + escaped(tr("Category")) + QStringLiteral("</th>");
    for (int month = 0; month < MonthTables::kMonthCount; ++month)
        rows += QStringLiteral("<th align=\"right\">%1</th>").arg(escaped(MonthDisplay::shortName(month)));
    rows += QStringLiteral("<th align=\"right\">%1</th></tr></thead>").arg(escaped(tr("Average")));

    const QList<CategoryRow> &grid = document.getCatArray();
    for (int row = 0; row < grid.size(); ++row) {
        if (row == kDashRowIndex)
            continue;
        const bool fixed = row < kFirstCategoryRow;
        rows += fixed ? QStringLiteral("<tr style=\"background-color:%1; font-weight:bold\">")
                            .arg(row == kBudgetRowIndex ? QStringLiteral("#e6e6e6") : QStringLiteral("#f2f2f2"))
                      : QStringLiteral("<tr>");
        for (const QString &column : gridColumnIds()) {
            const QString text = gridDisplayText(grid[row], row, column);
            rows += column == kDescId ? QStringLiteral("<td>%1</td>").arg(escaped(text))
                                      : QStringLiteral("<td align=\"right\">%1</td>").arg(figure(text));
        }
        rows += QStringLiteral("</tr>");
    }
    rows += QStringLiteral("</table>");
    const QString subtitle = document.isEnvelopeEnabled() ? tr("Budget by month, envelope mode")
                                                          : tr("Budget by month");
    return page(title, subtitle, rows);
}

QString PrintoutHtml::monthRegisterPage(const MonthRegister &month, const QString &title)
{
    QString rows = kTable + QStringLiteral("<thead><tr style=\"background-color:#d0d0d0\">");
    struct Column
    {
        QString title;
        const char *align;
        int percent;
    };
    const QList<Column> columns{{tr("Day"), "right", 5},        {tr("Description"), "left", 29},
                                {tr("Category"), "left", 17},   {tr("Amount"), "right", 11},
                                {tr("Note"), "left", 29},       {tr("Reconciled"), "center", 9}};
    for (const Column &column : columns)
        rows += QStringLiteral("<th align=\"%1\" width=\"%2%\">%3</th>")
                    .arg(QLatin1String(column.align))
                    .arg(column.percent)
                    .arg(escaped(column.title));
    rows += QStringLiteral("</tr></thead>");

    Decimal spent;
    for (const RegisterRecord &record : month.records) {
        const Decimal amount = Decimal::fromText(record.amount);
        spent += amount;
        rows += QStringLiteral("<tr><td align=\"right\">%1</td><td>%2</td><td>%3</td><td align=\"right\">%4</td>"
                               "<td>%5</td><td align=\"center\">%6</td></tr>")
                    .arg(escaped(record.day), escaped(record.desc), escaped(record.category),
                         figure(moneyText(amount)), escaped(record.note),
                         record.reconciled == u"R" ? QStringLiteral("✓") : QString());
    }
    rows += QStringLiteral("</table>");

    const Decimal budget = Decimal::fromText(month.budget);
    rows += QStringLiteral("<p></p><table cellspacing=\"0\" cellpadding=\"3\">"
                           "<tr><td><b>%1</b></td><td align=\"right\"><b>%2</b></td></tr>"
                           "<tr><td><b>%3</b></td><td align=\"right\"><b>%4</b></td></tr></table>")
                .arg(escaped(tr("Budget")), figure(moneyText(budget)), escaped(tr("Remaining")),
                     figure(moneyText(budget - spent)));
    const QString monthName = MonthDisplay::name(month.month);
    return page(title, tr("Register of %1").arg(monthName), rows);
}

QString PrintoutHtml::table(const QAbstractItemModel &model, const QString &title, const QString &subtitle)
{
    const auto alignOf = [&model](int row, int column) {
        const Qt::Alignment alignment = model.index(row, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        return alignment & Qt::AlignRight ? QStringLiteral("right") : QStringLiteral("left");
    };
    QString rows = kTable + QStringLiteral("<thead><tr style=\"background-color:#d0d0d0\">");
    for (int column = 0; column < model.columnCount(); ++column)
        rows += QStringLiteral("<th align=\"%1\">%2</th>")
                    .arg(model.rowCount() > 0 ? alignOf(0, column) : QStringLiteral("left"),
                         escaped(model.headerData(column, Qt::Horizontal).toString()));
    rows += QStringLiteral("</tr></thead>");
    for (int row = 0; row < model.rowCount(); ++row) {
        rows += QStringLiteral("<tr>");
        for (int column = 0; column < model.columnCount(); ++column)
            rows += QStringLiteral("<td align=\"%1\">%2</td>")
                        .arg(alignOf(row, column), figure(model.index(row, column).data().toString()));
        rows += QStringLiteral("</tr>");
    }
    rows += QStringLiteral("</table>");
    return page(title, subtitle, rows);
}
