#include "AppFixture.h"

#include "help/HelpCommands.h"

#include <QStandardPaths>
#include <QTest>

class SampleBudgetTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theSampleOpensAsACopyAndLeavesTheUsersFileAsItWas_data()
    {
        QTest::addColumn<bool>("ownFile");
        QTest::newRow("over the user's budget") << true;
        QTest::newRow("at a first start without a file") << false;
    }

    void theSampleOpensAsACopyAndLeavesTheUsersFileAsItWas()
    {
        QFETCH(bool, ownFile);
        AppFixture fixture;
        const QString own = ownFile ? fixture.sampleCopy(QStringLiteral("mine.txt")) : QString();
        fixture.knownVersion().settings->setValue(Settings::kDataFile, own);
        const QByteArray ownBefore = ownFile ? AppFixture::contents(own) : QByteArray();
        const QString example = QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt");
        const QByteArray exampleBefore = AppFixture::contents(example);
        MyDataSource &app = fixture.start();

        QString copy;
        {
            HelpCommands help(app, *fixture.settings);
            help.sampleAction()->trigger();
            copy = help.samplePath();
            QCOMPARE(app.dataFileName(), copy);
            QVERIFY(QFileInfo(copy).absolutePath() != QFileInfo(own).absolutePath());
            QVERIFY(app.document().categoryCount() > 3);
            QVERIFY2(app.mainWindow().windowTitle().startsWith(QStringLiteral("Sample Budget (a copy)")),
                     qPrintable(app.mainWindow().windowTitle()));
            QVERIFY(fixture.alerts.shown().isEmpty());

            // Tried out and saved: only the copy changes.
            app.btnNewCategory();
            app.menuSave();
            QVERIFY(AppFixture::contents(copy) != exampleBefore);
            QCOMPARE(AppFixture::contents(example), exampleBefore);
            if (ownFile)
                QCOMPARE(AppFixture::contents(own), ownBefore);
            // Asked again while it is open, it keeps what was done in it.
            const int categories = app.document().categoryCount();
            help.sampleAction()->trigger();
            QCOMPARE(app.document().categoryCount(), categories);
        }
        // The next start opens the user's own file again, and the copy is gone.
        QCOMPARE(fixture.settings->dataFile(), own);
        QVERIFY(!QFile::exists(copy));
    }
};

QTEST_MAIN(SampleBudgetTest)
#include "tst_samplebudget.moc"
