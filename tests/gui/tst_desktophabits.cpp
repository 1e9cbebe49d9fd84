#include "AppFixture.h"

#include "app/BudgetGridModel.h"
#include "app/BudgetGridSource.h"
#include "app/BudgetGridView.h"
#include "app/DesktopHabits.h"
#include "platform/FileDropHandler.h"
#include "platform/ReadableColors.h"
#include "register/voCheckViewCtrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

namespace {

QHeaderView &registerHeader(MyDataSource &app)
{
    return *app.checkView().findChild<QTableView *>(QStringLiteral("_ourTableView"))->horizontalHeader();
}

/// Drags `urls` over the window and drops them, as the desktop would.
bool drop(QWidget &window, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &dropped);
    return dropped.isAccepted();
}

/// A dark scheme as desktops ship it: light text, a window a shade lighter than the tables.
QPalette darkPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    return dark;
}

} // namespace

class DesktopHabitsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void windowAndColumnsComeBackAtTheNextStart()
    {
        AppFixture fixture;
        fixture.knownVersion().settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        const QRect place(40, 50, 900, 640);
        {
            MyDataSource &app = fixture.start();
            DesktopHabits habits(app, *fixture.settings);
            app.mainWindow().setGeometry(place);
            app.mainWindow().tableView()->horizontalHeader()->resizeSection(0, 233);
            registerHeader(app).resizeSection(3, 171);
            app.menuQuit();
            QCOMPARE(fixture.terminated->size(), 1);
        }
        fixture.app = nullptr;
        MyDataSource &again = fixture.start();
        DesktopHabits habits(again, *fixture.settings);
        QCOMPARE(again.mainWindow().geometry().size(), place.size());
        QCOMPARE(again.mainWindow().tableView()->horizontalHeader()->sectionSize(0), 233);
        QCOMPARE(registerHeader(again).sectionSize(3), 171);
    }

    void droppedFilesAreToldApart_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("files");
        QTest::addColumn<QString>("signal");
        const QByteArray budget = "; ****** MONTHLY_BUDGET ******\r\nVer 1\r\n";
        QTest::newRow("budget file") << budget << 1 << "budget";
        QTest::newRow("budget file with LF only") << QByteArray("; ****** MONTHLY_BUDGET ******\nVer 1\n") << 1 << "budget";
        QTest::newRow("first line only") << QByteArray("; ****** MONTHLY_BUDGET ******") << 1 << "budget";
        QTest::newRow("budget file an editor marked") << QByteArray("\xEF\xBB\xBF") + budget << 1 << "budget";
        QTest::newRow("first line longer") << QByteArray("; ****** MONTHLY_BUDGET ****** x\r\n") << 1 << "other";
        QTest::newRow("bank statement") << QByteArray("OFXHEADER:100\r\nDATA:OFXSGML\r\n") << 1 << "other";
        QTest::newRow("empty file") << QByteArray() << 1 << "other";
        QTest::newRow("two files are refused") << budget << 2 << "";
    }

    void droppedFilesAreToldApart()
    {
        QFETCH(QByteArray, contents);
        QFETCH(int, files);
        QFETCH(QString, signal);
        QTemporaryDir folder;
        QList<QUrl> urls;
        for (int i = 0; i < files; ++i) {
            QFile file(folder.filePath(QStringLiteral("dropped%1.txt").arg(i)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
            urls << QUrl::fromLocalFile(file.fileName());
        }
        QWidget window;
        FileDropHandler handler(window);
        QSignalSpy budgets(&handler, &FileDropHandler::budgetFileDropped);
        QSignalSpy others(&handler, &FileDropHandler::otherFileDropped);
        QCOMPARE(drop(window, urls), !signal.isEmpty());
        QCOMPARE(budgets.size(), signal == u"budget" ? 1 : 0);
        QCOMPARE(others.size(), signal == u"other" ? 1 : 0);
        const QSignalSpy &fired = signal == u"budget" ? budgets : others;
        if (!signal.isEmpty())
            QCOMPARE(fired.first().first().toString(), urls.first().toLocalFile());
    }

    void aDroppedBudgetFileIsOpened()
    {
        AppFixture fixture;
        fixture.knownVersion().settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        MyDataSource &app = fixture.start();
        DesktopHabits habits(app, *fixture.settings);
        const QString other = fixture.sampleCopy(QStringLiteral("other.txt"));
        QVERIFY(drop(app.mainWindow(), {QUrl::fromLocalFile(other)}));
        QCOMPARE(app.dataFileName(), other);
        QCOMPARE(app.mainWindow().windowTitle(), other);
    }

    void figuresReadOnLightAndDarkSchemes_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QPalette(QColor(0xef, 0xef, 0xef));
        QTest::newRow("dark") << darkPalette();
    }

    void figuresReadOnLightAndDarkSchemes()
    {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        AppFixture fixture;
        fixture.knownVersion().settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        MyDataSource &app = fixture.start();
        // A January budget below the month's spending leaves Remain negative.
        QVERIFY(app.grid().setObjectValue(QStringLiteral("1"), QStringLiteral("jan"), kBudgetRowIndex));
        const BudgetGridModel &grid = app.gridModel();
        const auto contrastOf = [&grid, &palette](int row, int column) {
            const QModelIndex cell = grid.index(row, column);
            const QVariant foreground = grid.data(cell, Qt::ForegroundRole);
            const QVariant background = grid.data(cell, Qt::BackgroundRole);
            return ReadableColors::contrast(
                foreground.isValid() ? foreground.value<QBrush>().color() : palette.color(QPalette::Text),
                background.isValid() ? background.value<QBrush>().color() : palette.color(QPalette::Base));
        };
        const int january = BudgetGridModel::columnOf(QStringLiteral("jan"));
        QVERIFY(grid.data(grid.index(kRemainingRowIndex, january), Qt::DisplayRole).toString().startsWith(u'-'));
        QCOMPARE_GE(contrastOf(kRemainingRowIndex, january), 4.5); // the negative remainder
        QCOMPARE_GE(contrastOf(kBudgetRowIndex, 0), 4.5);          // a fixed row's name
        QCOMPARE_GE(contrastOf(kFirstCategoryRow, 0), 4.5);        // a category
        QCOMPARE_GE(ReadableColors::contrast(ReadableColors::negativeFigure(palette.color(QPalette::Base)),
                                             palette.color(QPalette::Base)),
                    4.5);                                           // a negative envelope remainder
        QApplication::setPalette(before);
    }
};

QTEST_MAIN(DesktopHabitsTest)
#include "tst_desktophabits.moc"
