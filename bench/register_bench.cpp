// Times the register on one month of many records: entering the tab (load
// and sort by day), a sort by each header, and a redraw of the visible rows.
//
// Usage: register_bench [RECORDS] [RUNS]   (defaults: 10000, 15)
#include "BenchClock.h"

#include "document/DocumentWriter.h"
#include "editing/DocumentEditing.h"
#include "platform/Calendar.h"
#include "platform/StderrAlerts.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kMarch = 2;
constexpr int kCategories = 30;

void fillMonth(BudgetDocument &document, int records)
{
    const DocumentWriter writer(document);
    for (int category = 0; category < kCategories; ++category)
        writer.appendCategory(QStringLiteral("Category %1").arg(category + 1), QStringLiteral("0"));
    writer.setBudget(kMarch, QStringLiteral("250000"));
    QRandomGenerator random(2026);
    for (int at = 0; at < records; ++at) {
        const QString category = QStringLiteral("Category %1").arg(random.bounded(kCategories) + 1);
        const int cents = random.bounded(1, 50000);
        writer.entryList(category, kMarch)
            ->append(Entry { QString::number(random.bounded(1, 32)),
                             QStringLiteral("Payee %1").arg(random.bounded(800)),
                             QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0')),
                             random.bounded(3) == 0 ? QStringLiteral("note %1").arg(random.bounded(50)) : QString(),
                             random.bounded(2) == 0 ? QStringLiteral("R") : QStringLiteral(" ") });
    }
}

// Median of the runs, in milliseconds; `before` runs untimed ahead of each.
double medianMs(int runs, const std::function<void()> &before, const std::function<void()> &timed)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        before();
        QElapsedTimer timer;
        timer.start();
        timed();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return BenchClock::median(times);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int records = arguments.size() > 1 ? arguments[1].toInt() : 10000;
    const int runs = arguments.size() > 2 ? arguments[2].toInt() : 15;
    if (records < 1 || runs < 1) {
        std::fprintf(stderr, "usage: register_bench [RECORDS] [RUNS]\n");
        return 2;
    }

    BudgetDocument document;
    fillMonth(document, records);
    StderrAlerts alerts;
    FixedCalendar calendar(kMarch + 1);
    DocumentEditing edits(document);
    voCheckViewCtrl register_(edits, alerts, calendar);
    register_.resize(900, 600);
    register_.show();
    QCoreApplication::processEvents();

    // Each timed step ends with the screen up to date: pending layout (the
    // columns sized to their contents) done and the tab painted.
    const auto drawn = [&] {
        QCoreApplication::processEvents();
        register_.repaint();
    };
    const auto leave = [&] {
        register_.closeView();
        drawn();
    };
    const double load = medianMs(runs, leave, [&] {
        register_.initView();
        drawn();
    });
    std::printf("register of %d records, median of %d runs (ms)\n", records, runs);
    std::printf("  enter tab (load, sort by day, draw) %8.2f\n", load);

    register_.initView();
    const QStringList &columns = voCheckViewData::columnIds();
    double worstSort = 0;
    for (const QString &column : {QStringLiteral("day"), QStringLiteral("category"), QStringLiteral("amount"),
                                  QStringLiteral("desc"), QStringLiteral("note")}) {
        // Each sort starts from another order, so none finds its order done.
        const QString other = column == u"desc" ? QStringLiteral("amount") : QStringLiteral("desc");
        const double sort = medianMs(
            runs,
            [&] {
                register_.shouldSelectTableColumn(int(columns.indexOf(other)));
                drawn();
            },
            [&] {
                register_.shouldSelectTableColumn(int(columns.indexOf(column)));
                drawn();
            });
        worstSort = std::max(worstSort, sort);
        std::printf("  header click on %-19s %8.2f\n", qPrintable(column), sort);
    }
    const double paint = medianMs(runs, [] {}, [&] { register_.repaint(); });
    std::printf("  redraw alone                        %8.2f\n", paint);
    std::printf("  enter tab + slowest header click    %8.2f\n", load + worstSort);
    register_.closeView();
    return 0;
}
