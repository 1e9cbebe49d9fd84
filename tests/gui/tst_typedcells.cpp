#include "DocumentCompare.h"
#include "ImportFixtures.h"
#include "RegisterRecords.h"
#include "TagFixture.h"
#include "WindowKeys.h"

#include "editing/DocumentEditing.h"
#include "import/ImportPreviewDialog.h"
#include "import/ImportPreviewModel.h"
#include "import/ImportRulesDialog.h"
#include "import/ImportSettings.h"
#include "import/StatementSource.h"
#include "platform/Calendar.h"
#include "platform/ScriptedAlerts.h"
#include "platform/ScriptedModalLoop.h"
#include "platform/Settings.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using RegisterRecords::columnOf;

namespace {

/// The register on March of a budget, in a window of its own with the keyboard.
struct Register
{
    BudgetDocument document;
    DocumentEditing edits{document};
    ScriptedAlerts alerts;
    FixedCalendar calendar{3};
    ScriptedModalLoop modal;
    ModalLoop::Scope modalScope{modal};
    std::unique_ptr<voCheckViewCtrl> ctrl;

    explicit Register(const std::function<void(BudgetDocument &)> &fill)
    {
        fill(document);
        ctrl = std::make_unique<voCheckViewCtrl>(edits, alerts, calendar);
        ctrl->resize(900, 500);
        ctrl->show();
        QApplication::setActiveWindow(ctrl.get());
        if (!QTest::qWaitForWindowActive(ctrl.get()))
            qFatal("the register did not get the keyboard");
        ctrl->initView();
    }

    [[nodiscard]] QTableView &table() const { return *ctrl->findChild<QTableView *>(QStringLiteral("_ourTableView")); }
    [[nodiscard]] QModelIndex cell(const QString &desc, const QString &column) const
    {
        return RegisterRecords::cellOf(*table().model(), desc, column);
    }

    /// Opens the cell's editor as a user does, by double click.
    QWidget *edit(const QModelIndex &index) const
    {
        const QPoint centre = table().visualRect(index).center();
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table().viewport(), Qt::LeftButton, {}, centre);
        return table().indexWidget(index);
    }
};

/// The texts a completer offers now, or none when its list is not shown.
QStringList offered(const QCompleter &completer)
{
    QStringList texts;
    if (!completer.popup()->isVisible())
        return texts;
    for (int row = 0; row < completer.completionModel()->rowCount(); ++row)
        texts << completer.completionModel()->index(row, 0).data().toString();
    return texts;
}

} // namespace

class TestTypedCells : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void theNoteEditorCompletesTheYearsTags_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("offers");
        QTest::addColumn<QString>("note"); // after the first offer is chosen, or as typed
        QTest::newRow("a tag begun") << " #ho" << QStringList{"#holiday"} << "No#5 soap #holiday";
        QTest::newRow("in another letter case") << " #A" << QStringList{"#ann"} << "No#5 soap #ann";
        QTest::newRow("a lone mark: every tag") << " #" << QStringList{"#ann", "#birthday", "#holiday"}
                                                << "No#5 soap #ann";
        QTest::newRow("after a letter: no tag") << " x#h" << QStringList{} << "No#5 soap x#h";
        QTest::newRow("a tag whole already") << " #holiday" << QStringList{} << "No#5 soap #holiday";
        QTest::newRow("a new tag") << " #garden" << QStringList{} << "No#5 soap #garden";
    }

    void theNoteEditorCompletesTheYearsTags()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, offers);
        QFETCH(QString, note);
        Register shown(TagFixture::fillTaggedYear);
        const QModelIndex cell = shown.cell(QStringLiteral("Market"), QStringLiteral("note"));
        auto *editor = qobject_cast<QLineEdit *>(shown.edit(cell));
        QVERIFY(editor);
        auto *completer = editor->findChild<QCompleter *>();
        QVERIFY(completer);
        WindowKeys::press(*editor, Qt::Key_End);
        WindowKeys::type(*editor, typed);
        QCOMPARE(offered(*completer), offers);
        if (!offers.isEmpty()) {
            WindowKeys::press(*editor, Qt::Key_Down);
            WindowKeys::press(*editor, Qt::Key_Return);
            QVERIFY(!completer->popup()->isVisible());
            // The choice goes into the note; the editor stays for more.
            QCOMPARE(editor->text(), note);
            QCOMPARE(editor->cursorPosition(), editor->text().size());
        }
        WindowKeys::press(*editor, Qt::Key_Return);
        QTRY_VERIFY(!shown.table().indexWidget(cell));
        QCOMPARE(cell.data().toString(), note);
    }

    void theRegistersCategoryCellTakesATypedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a name in another case, Return") << "rent" << int(Qt::Key_Return) << "Rent" << "";
        QTest::newRow("part of a name, Return") << "un" << int(Qt::Key_Return) << "Fun" << "";
        QTest::newRow("part of a name, Tab") << "Re" << int(Qt::Key_Tab) << "Rent" << "";
        QTest::newRow("the whole name, Tab") << "Fun" << int(Qt::Key_Tab) << "Fun" << "";
        QTest::newRow("no category: refused")
            << "Cars" << int(Qt::Key_Return) << "Food"
            << "\"Cars\" is not a category of this budget. Choose one of its categories.";
    }

    void theRegistersCategoryCellTakesATypedName()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, category);
        QFETCH(QString, refusal);
        Register shown([](BudgetDocument &document) { DocumentFixtures::fillRegisterSample(document, 2); });
        const QModelIndex cell = shown.cell(QStringLiteral("Market"), QStringLiteral("category"));
        auto *box = qobject_cast<QComboBox *>(shown.edit(cell));
        QVERIFY(box);
        QCOMPARE(box->currentText(), QStringLiteral("Food"));
        // Typed over the name shown, as a user does.
        WindowKeys::type(*box, typed);
        WindowKeys::press(*box, Qt::Key(key));
        QTRY_VERIFY(!shown.table().indexWidget(cell));
        const QModelIndex moved = shown.cell(QStringLiteral("Market"), QStringLiteral("category"));
        QCOMPARE(moved.data().toString(), category);
        QCOMPARE(shown.alerts.shown().isEmpty() ? QString() : shown.alerts.shown().constFirst().message, refusal);
        // Tab goes on to edit the next cell of the record.
        if (key == Qt::Key_Tab)
            QTRY_VERIFY(shown.table().indexWidget(moved.siblingAtColumn(moved.column() + 1)));
    }

    void thePreviewsCategoryCellTakesATypedName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("category");
        QTest::newRow("a name with a space, Return") << "dining out" << int(Qt::Key_Return) << "Dining out";
        QTest::newRow("part of a name, Tab") << "groc" << int(Qt::Key_Tab) << "Groceries";
        QTest::newRow("a new name: a category the import creates") << "Garden" << int(Qt::Key_Return) << "Garden";
    }

    void thePreviewsCategoryCellTakesATypedName()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, category);
        std::unique_ptr<BudgetDocument> document = DocumentCompare::loaded(ImportFixtures::kSample, false, true);
        std::unique_ptr<Settings> settings = Settings::inMemory();
        ImportSettings importSettings{*settings};
        ScriptedAlerts alerts;
        ScriptedModalLoop loop;
        ModalLoop::Scope scope{loop};
        ImportPreviewDialog preview(StatementSource::open(ImportFixtures::kFolder + QStringLiteral("statement-comma.csv")),
                                    *document, importSettings, alerts, QStringLiteral("/budgets/home.txt"));
        preview.show();
        QApplication::setActiveWindow(&preview);
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        int garden = -1;
        for (int line = 0; line < preview.plan().lines().size(); ++line) {
            if (preview.plan().lines()[line].description == u"Garden centre")
                garden = line;
        }
        QVERIFY(garden >= 0);
        auto *table = preview.findChild<QTableView *>(QStringLiteral("previewTable"));
        const QModelIndex cell = preview.model().index(garden, int(ImportPreviewModel::Column::Category));
        table->setCurrentIndex(cell);
        table->edit(cell);
        auto *box = qobject_cast<QComboBox *>(table->indexWidget(cell));
        QVERIFY(box);
        WindowKeys::type(*box, typed);
        WindowKeys::press(*box, Qt::Key(key));
        QTRY_VERIFY(!table->indexWidget(cell));
        QCOMPARE(preview.plan().lines()[garden].category, category);
        QVERIFY(alerts.shown().isEmpty());
    }

    void theRulesCategoryCellRefusesOtherNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a category in another case") << "rent" << "Rent" << "";
        QTest::newRow("no category: refused")
            << "Cars" << "Food" << "\"Cars\" is not a category of this budget. Choose one of its categories.";
    }

    void theRulesCategoryCellRefusesOtherNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, category);
        QFETCH(QString, refusal);
        ScriptedAlerts alerts;
        ImportRulesDialog rules({{QStringLiteral("MARKET"), QStringLiteral("Food")}}, {"Food", "Rent"}, alerts);
        rules.show();
        QApplication::setActiveWindow(&rules);
        QVERIFY(QTest::qWaitForWindowActive(&rules));
        auto *table = rules.findChild<QTableWidget *>();
        const QModelIndex cell = table->model()->index(0, 1);
        table->setCurrentIndex(cell);
        table->edit(cell);
        auto *box = qobject_cast<QComboBox *>(table->indexWidget(cell));
        QVERIFY(box);
        WindowKeys::type(*box, typed);
        WindowKeys::press(*box, Qt::Key_Return);
        QTRY_VERIFY(!table->indexWidget(cell));
        QCOMPARE(rules.rules().value(0).category, category);
        QCOMPARE(alerts.shown().isEmpty() ? QString() : alerts.shown().constFirst().message, refusal);
    }
};

QTEST_MAIN(TestTypedCells)
#include "tst_typedcells.moc"
