#include "AppFixture.h"

#include "app/BudgetGridModel.h"
#include "app/UndoHistory.h"
#include "document/DocumentSnapshot.h"
#include "safety/DocumentSafety.h"
#include "safety/SnapshotFile.h"

#include <QAction>
#include <QFileInfo>
#include <QTest>

namespace {

constexpr int kJanColumn = 1;

/// The controller started on a copy of the sample budget.
struct SafeApp
{
    AppFixture fixture;
    QString path;
    MyDataSource *app = nullptr;

    SafeApp()
    {
        path = fixture.sampleCopy();
        fixture.settings->setValue(Settings::kDataFile, path);
        fixture.knownVersion();
    }

    MyDataSource &start() { return *(app = &fixture.start()); }

    [[nodiscard]] QString recoveryFile() const { return app->safety().places().recoveryFile(path); }
    [[nodiscard]] DocumentSnapshot document() const { return DocumentSnapshot::take(app->document()); }

    bool setBudget(const QString &value) const
    {
        return app->gridModel().setData(app->gridModel().index(kBudgetRowIndex, kJanColumn), value, Qt::EditRole);
    }
};

DocumentSnapshot readSnapshot(const QString &path)
{
    return SnapshotFile::read(AppFixture::contents(path)).value_or(DocumentSnapshot());
}

} // namespace

class TestSafety : public QObject
{
    Q_OBJECT

private slots:
    void recoveryFileFollowsChangesAndGoesWithASave()
    {
        SafeApp program;
        program.start();
        QVERIFY(program.setBudget(QStringLiteral("1234")));
        QVERIFY(!QFileInfo::exists(program.recoveryFile()));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(program.recoveryFile()), 2000);
        QCOMPARE(readSnapshot(program.recoveryFile()).budgetTotals, program.document().budgetTotals);
        program.app->menuSave();
        QTRY_VERIFY(!QFileInfo::exists(program.recoveryFile()));
    }

    void recoveryIsOfferedAtTheNextStart_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("recovered");
        QTest::newRow("Recover") << int(Alerts::kDefaultButton) << true;
        QTest::newRow("Discard") << int(Alerts::kSecondButton) << false;
    }

    void recoveryIsOfferedAtTheNextStart()
    {
        QFETCH(int, answer);
        QFETCH(bool, recovered);
        SafeApp program;
        program.start();
        const DocumentSnapshot onDisk = program.document();
        QVERIFY(program.setBudget(QStringLiteral("1234")));
        const DocumentSnapshot edited = program.document();
        program.app->safety().closing(); // as a crash would leave it: written, never saved
        QVERIFY(QFileInfo::exists(program.recoveryFile()));
        program.fixture.app.reset();

        program.fixture.alerts.clear();
        program.fixture.alerts.answer({answer});
        program.start();
        QCOMPARE(program.fixture.alerts.titles(), QStringList{QStringLiteral("Recover Unsaved Changes")});
        QVERIFY(program.fixture.alerts.shown().first().message.contains(program.path));
        QCOMPARE(program.document().budgetTotals, (recovered ? edited : onDisk).budgetTotals);
        QCOMPARE(readSnapshot(program.path).budgetTotals, onDisk.budgetTotals);
        if (recovered) {
            program.app->undoHistory().undoAction()->trigger();
            QCOMPARE(program.document().budgetTotals, onDisk.budgetTotals);
        } else {
            QVERIFY(!QFileInfo::exists(program.recoveryFile()));
            const QList<BackupStore::Version> kept = program.app->safety().backups(program.path).versions();
            QCOMPARE(kept.size(), 1);
            QVERIFY(kept.first().recovered);
            QCOMPARE(readSnapshot(kept.first().path).budgetTotals, edited.budgetTotals);
        }
    }
};

QTEST_MAIN(TestSafety)
#include "tst_safety.moc"
