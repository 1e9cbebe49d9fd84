#include "AppFixture.h"
#include "RegisterRecords.h"
#include "TagFixture.h"

#include "app/UndoHistory.h"
#include "document/BudgetFileWriter.h"
#include "document/DocumentSnapshot.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"
#include "tags/TagTotalsCsv.h"
#include "tags/TagsCommands.h"
#include "tags/TagTotalsModel.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

/// The program on the tagged year, on March.
struct TagsApp : AppFixture
{
    std::unique_ptr<TagsCommands> commands;
    QString path = folder.filePath(QStringLiteral("household-2026.txt"));

    explicit TagsApp(bool tagged = true)
    {
        BudgetDocument year;
        if (tagged)
            TagFixture::fillTaggedYear(year);
        if (!BudgetFileWriter::writeFile(year, path))
            qFatal("the budget could not be written");
        knownVersion().settings->setValue(Settings::kDataFile, path);
        start();
        commands = std::make_unique<TagsCommands>(*app, panels, alerts);
    }

    TagsWindow &open() const
    {
        app->mainWindow().findChild<QAction *>(QStringLiteral("actionTags"))->trigger();
        if (!commands->window())
            qFatal("no Tags window");
        return *commands->window();
    }

    /// The cells of the tag's row as shown, the tag first.
    static QStringList shownRow(const TagsWindow &window, const QString &tag)
    {
        const TagTotalsModel &model = window.model();
        QStringList cells;
        for (int row = 0; row < model.rowCount(); ++row) {
            if (model.index(row, 0).data().toString() != tag)
                continue;
            for (int column = 0; column < model.columnCount(); ++column)
                cells << model.index(row, column).data().toString();
        }
        return cells;
    }

    /// The bars the chart draws, with the chart's title first.
    static QStringList chartBars(const TagsWindow &window)
    {
        const QChart *chart = window.findChild<QChartView *>(QStringLiteral("tagsChart"))->chart();
        QStringList bars{chart->title()};
        for (QAbstractSeries *series : chart->series()) {
            for (const QBarSet *set : static_cast<QBarSeries *>(series)->barSets()) {
                for (int month = 0; month < set->count(); ++month)
                    bars << QString::number(set->at(month));
            }
        }
        return bars;
    }
};

QStringList months(std::initializer_list<std::pair<int, QString>> booked, const QString &none)
{
    QStringList cells(12, none);
    for (const auto &[month, amount] : booked)
        cells[month] = amount;
    return cells;
}

} // namespace

class TestTagsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void theTableShowsEachTagPerMonthAndTheYear_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("tag of several cases and categories")
            << "#holiday"
            << QStringList{"#holiday"} + months({{0, "0.30"}, {6, "307.50"}}, "0.00") + QStringList{"307.80"};
        QTest::newRow("two tags in one note") << "#ann"
                                              << QStringList{"#ann"} + months({{0, "0.20"}, {11, "8.00"}}, "0.00")
                + QStringList{"8.20"};
    }

    void theTableShowsEachTagPerMonthAndTheYear()
    {
        QFETCH(QString, tag);
        QFETCH(QStringList, cells);
        TagsApp fixture;
        TagsWindow &window = fixture.open();
        QAbstractItemModelTester tester(const_cast<TagTotalsModel *>(&window.model()),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(window.windowTitle(), QStringLiteral("Tags — Orrinwick"));
        QCOMPARE(window.model().rowCount(), 3);
        QCOMPARE(TagsApp::shownRow(window, tag), cells);
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("tagsEmptyNote"))->isVisibleTo(&window));

        // The chart beside the table follows the selected tag.
        window.selectTag(tag);
        QStringList bars = TagsApp::chartBars(window);
        QCOMPARE(bars.takeFirst(), tag + QStringLiteral(" by month"));
        QStringList expected;
        for (int month = 0; month < 12; ++month)
            expected << QString::number(cells[month + 1].toDouble());
        QCOMPARE(bars, expected);
    }

    void aYearWithoutTagsSaysHowToTag()
    {
        TagsApp fixture(false);
        TagsWindow &window = fixture.open();
        QCOMPARE(window.model().rowCount(), 0);
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("tagsEmptyNote"))->isVisibleTo(&window));
        QCOMPARE(TagsApp::chartBars(window), QStringList{"No tag selected"});
    }

    void aNoteTypedInTheRegisterCountsAtOnce()
    {
        TagsApp fixture;
        TagsWindow &window = fixture.open();
        window.selectTag(QStringLiteral("#ann"));
        fixture.app->mainWindow().tabView()->setCurrentIndex(1);
        voCheckViewData &month = fixture.app->checkView().tableData();
        const QModelIndex note = RegisterRecords::cellOf(month, QStringLiteral("Market"), QStringLiteral("note"));
        QVERIFY(month.setData(note, QStringLiteral("No#5 soap #holiday #Work"), Qt::EditRole));
        QTRY_COMPARE(TagsApp::shownRow(window, QStringLiteral("#holiday")).mid(3, 1), QStringList{"45.10"});
        QCOMPARE(window.model().totals().tags(), (QStringList{"#ann", "#birthday", "#holiday", "#work"}));
        // The selection stays on its tag while the rows change.
        QCOMPARE(window.selectedTag(), QStringLiteral("#ann"));
        fixture.app->undoHistory().undoAction()->trigger();
        QTRY_COMPARE(window.model().rowCount(), 3);
    }

    void theExportsWriteTheTable()
    {
        TagsApp fixture;
        TagsWindow &window = fixture.open();
        const QString csv = fixture.folder.filePath(QStringLiteral("tags.csv"));
        const QString pdf = fixture.folder.filePath(QStringLiteral("tags.pdf"));
        fixture.panels.answer({csv});
        window.findChild<QPushButton *>(QStringLiteral("exportCsvButton"))->click();
        fixture.panels.answer({pdf});
        window.findChild<QPushButton *>(QStringLiteral("exportPdfButton"))->click();
        QCOMPARE(fixture.panels.suggested(),
                 (QStringList{fixture.folder.filePath(QStringLiteral("household-2026 Tags.csv")),
                              fixture.folder.filePath(QStringLiteral("household-2026 Tags.pdf"))}));
        const QByteArray written = AppFixture::contents(csv);
        QCOMPARE(written, TagTotalsCsv::of(TagTotals::of(fixture.app->snapshot())));
        QVERIFY2(written.startsWith("Tag,Jan,Feb,"), written.constData());
        QVERIFY2(written.contains("\r\n#holiday,0.3,0,0,0,0,0,307.5,0,0,0,0,0,307.8\r\n"), written.constData());
        QVERIFY(AppFixture::contents(pdf).startsWith("%PDF"));
        QVERIFY(fixture.alerts.shown().isEmpty());

        // A place that cannot be written is said, not taken for done.
        fixture.panels.answer({fixture.folder.filePath(QStringLiteral("no-folder/tags.pdf"))});
        window.findChild<QPushButton *>(QStringLiteral("exportPdfButton"))->click();
        QCOMPARE(fixture.alerts.shown().size(), 1);
    }
};

QTEST_MAIN(TestTagsWindow)
#include "tst_tagswindow.moc"
