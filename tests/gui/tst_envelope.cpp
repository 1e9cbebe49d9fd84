#include "DocumentFixtures.h"
#include "document/BudgetDocument.h"
#include "editing/DocumentEditing.h"
#include "platform/ScriptedAlerts.h"
#include "platform/ScriptedModalLoop.h"
#include "register/voEnvelopeWinController.h"
#include "register/voEnvelopeWinData.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

constexpr int kMarch = 2;

QString envelope(const BudgetDocument &document, const QString &category, int month)
{
    return document.entryList(category, month)->first().amount;
}

} // namespace

class TestEnvelopeEditor : public QObject
{
    Q_OBJECT

private:
    BudgetDocument *_document = nullptr;
    DocumentEditing *_edits = nullptr;

private slots:
    void init()
    {
        _document = new BudgetDocument(this);
        _edits = new DocumentEditing(*_document);
        // Created out of alphabetical order: rows follow the budget's order.
        for (const char *name : {"Rent", "Food", "Car"})
            DocumentFixtures::addCategory(*_document, QString::fromLatin1(name));
    }

    void cleanup()
    {
        delete _edits;
        delete _document;
    }

    void rowsFollowTheBudgetOrder()
    {
        voEnvelopeWinData data(*_edits);
        QAbstractItemModelTester tester(&data, QAbstractItemModelTester::FailureReportingMode::QtTest);
        data.initData(2);
        QCOMPARE(data.rowCount(), 3);
        QStringList names;
        for (int row = 0; row < data.rowCount(); ++row)
            names << data.index(row, 0).data().toString();
        QCOMPARE(names, (QStringList{"Rent", "Food", "Car"}));
        QVERIFY(!(data.flags(data.index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(data.flags(data.index(0, 1)) & Qt::ItemIsEditable);
        QCOMPARE(data.index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));
    }

    void noCategoriesGiveAnEmptyTable()
    {
        BudgetDocument empty;
        DocumentEditing emptyEdits(empty);
        voEnvelopeWinData data(emptyEdits);
        data.initData(0);
        QCOMPARE(data.rowCount(), 0);
    }

    void typedAmountsAreStoredAsNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("whole number") << "120" << "120" << false;
        QTest::newRow("zero with decimals") << "0.00" << "0" << false;
        QTest::newRow("comma as decimal point") << "12,50" << "12.50" << false;
        QTest::newRow("negative") << "-3" << "-3" << false;
        QTest::newRow("spaces around") << " 7.5 " << "7.5" << false;
        QTest::newRow("words") << "lots" << "40" << true;
        QTest::newRow("number then words") << "12 euros" << "40" << true;
        QTest::newRow("empty") << "" << "40" << true;
    }

    void typedAmountsAreStoredAsNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        DocumentFixtures::setEnvelope(*_document, QStringLiteral("Food"), kMarch, QStringLiteral("40"));
        voEnvelopeWinData data(*_edits);
        data.initData(2);
        QSignalSpy changed(&data, &QAbstractItemModel::dataChanged);
        QSignalSpy refusals(&data, &voEnvelopeWinData::editRefused);
        QCOMPARE(data.setData(data.index(1, 1), typed, Qt::EditRole), !refused);
        QCOMPARE(envelope(*_document, QStringLiteral("Food"), kMarch), stored);
        QCOMPARE(refusals.size(), refused ? 1 : 0);
        QCOMPARE(changed.size(), refused ? 0 : 1);
        // Nothing else moved.
        QCOMPARE(envelope(*_document, QStringLiteral("Food"), kMarch + 1), QStringLiteral("0"));
        QCOMPARE(envelope(*_document, QStringLiteral("Rent"), kMarch), QStringLiteral("0"));
    }

    void reenteringTheShownAmountChangesNothing()
    {
        voEnvelopeWinData data(*_edits);
        data.initData(2);
        QSignalSpy changed(&data, &QAbstractItemModel::dataChanged);
        QVERIFY(!data.setData(data.index(0, 1), QStringLiteral("0"), Qt::EditRole));
        QCOMPARE(changed.size(), 0);
        QVERIFY(!data.setData(data.index(0, 0), QStringLiteral("5"), Qt::EditRole));
        QCOMPARE(data.index(0, 0).data().toString(), QStringLiteral("Rent"));
    }

    void typingIntoTheOpenEditorSetsTheEnvelope()
    {
        ScriptedAlerts alerts;
        ScriptedModalLoop loop;
        ModalLoop::Scope scope(loop);
        QWidget parent;
        parent.setWindowTitle(QStringLiteral("Budget"));
        parent.resize(800, 600);
        parent.show();
        loop.answer([](QWidget *window) {
            auto *table = window->findChild<QTableView *>(QStringLiteral("_ourTableView"));
            QVERIFY(table);
            const QModelIndex cell = table->model()->index(2, 1);
            table->setCurrentIndex(cell);
            table->edit(cell);
            auto *editor = table->findChild<QLineEdit *>();
            QVERIFY(editor);
            editor->selectAll();
            QTest::keyClicks(editor, QStringLiteral("120"));
            // The close button while the cell is still in editing keeps the typed value.
            window->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
        });
        voEnvelopeWinController editor(*_edits, alerts, &parent);
        editor.openMonth(2, &parent);
        QVERIFY(editor.windowTitle().size() > 0);
        editor.startModal();
        QCOMPARE(loop.titles().size(), 1);
        QVERIFY(!editor.isVisible());
        QCOMPARE(envelope(*_document, QStringLiteral("Car"), kMarch), QStringLiteral("120"));
        QCOMPARE(envelope(*_document, QStringLiteral("Car"), kMarch + 1), QStringLiteral("0"));
    }

    void theEditorTellsWhyATypedAmountIsRefused()
    {
        ScriptedAlerts alerts;
        QWidget parent;
        voEnvelopeWinController editor(*_edits, alerts, &parent);
        editor.openMonth(2, &parent);
        voEnvelopeWinData &data = editor.tableData();
        QVERIFY(!data.setData(data.index(1, 1), QStringLiteral("forty"), Qt::EditRole));
        QCOMPARE(alerts.titles(), QStringList{QStringLiteral("WARNING")});
        QVERIFY(alerts.shown().first().message.contains(QStringLiteral("forty")));
    }
};

QTEST_MAIN(TestEnvelopeEditor)
#include "tst_envelope.moc"
