#include "BadInputFixture.h"
#include "DocumentFixtures.h"
#include "RegisterRecords.h"

#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QTabWidget>
#include <QTableView>

/// Bad input typed into the register's cells (tests/BAD_INPUT.md).
class TestBadInputRegister : public QObject
{
    Q_OBJECT

private slots:
    void registerDay_data() { BadInputApp::addRows(QStringLiteral("registerDay")); }
    void registerDay() { pasteIntoMarket(u"day"); }

    void registerAmount_data() { BadInputApp::addRows(QStringLiteral("registerAmount")); }
    void registerAmount() { pasteIntoMarket(u"amount"); }

    void registerDescription_data() { BadInputApp::addRows(QStringLiteral("registerDescription")); }
    void registerDescription() { pasteIntoMarket(u"desc"); }

    void registerNote_data() { BadInputApp::addRows(QStringLiteral("registerNote")); }
    void registerNote() { pasteIntoMarket(u"note"); }

    void registerCategory_data() { BadInputApp::addRows(QStringLiteral("registerCategory")); }
    void registerCategory()
    {
        QFETCH(QString, input);
        BadInputApp program(false);
        const QModelIndex cell = marketCell(program, u"category");
        QVERIFY(cell.isValid());
        // The cell's combo box offers only the budget's names; any other
        // text can only come through the model, which must refuse it.
        QAbstractItemModel *model = const_cast<QAbstractItemModel *>(cell.model());
        model->setData(cell, input, Qt::EditRole);
        program.verifyOutcome([](BudgetDocument &document, const QString &stored) {
            const Entry market
                = DocumentFixtures::entries(document, QStringLiteral("Food"), BadInputApp::kMar).takeAt(1);
            DocumentFixtures::addEntry(document, stored, BadInputApp::kMar, market);
        });
    }

    void amountBelowTheDoubleRangeSortsAsTheTinyNumberItIs()
    {
        BadInputApp program(false);
        const QModelIndex cell = marketCell(program, u"amount");
        QVERIFY(cell.isValid());
        auto *table = program.app().checkView().findChild<QTableView *>(QStringLiteral("_ourTableView"));
        QVERIFY(table);
        const QString tiny = QStringLiteral("0.") + QString(329, u'0') + u'1';
        const QString entered = BadInputApp::enterText(*table, cell, tiny);
        QVERIFY2(entered.isEmpty(), qPrintable(entered));
        program.app().checkView().shouldSelectTableColumn(RegisterRecords::columnOf(QStringLiteral("amount")));
        QCOMPARE(RegisterRecords::column(*table->model(), QStringLiteral("desc")), (QStringList{"Market", "Landlord"}));
    }

private:
    /// The cell of the record "Market" on the register tab, which this opens.
    static QModelIndex marketCell(BadInputApp &program, QStringView columnId)
    {
        program.app().mainWindow().tabView()->setCurrentIndex(1);
        return RegisterRecords::cellOf(program.app().checkView().tableData(), QStringLiteral("Market"),
                                       columnId.toString());
    }

    void pasteIntoMarket(QStringView columnId)
    {
        QFETCH(QString, input);
        BadInputApp program(false);
        const QModelIndex cell = marketCell(program, columnId);
        QVERIFY(cell.isValid());
        auto *table = program.app().checkView().findChild<QTableView *>(QStringLiteral("_ourTableView"));
        QVERIFY(table);
        const QString entered = BadInputApp::enterText(*table, cell, input);
        QVERIFY2(entered.isEmpty(), qPrintable(entered));
        program.verifyOutcome(BadInputApp::marketField(columnId));
    }
};

QTEST_MAIN(TestBadInputRegister)
#include "tst_badinput_register.moc"
