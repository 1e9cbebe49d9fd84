#include "BadInputTable.h"
#include "DocumentFixtures.h"
#include "EditOutcome.h"
#include "RecordedSteps.h"
#include "RecordingHost.h"
#include "RegisterRecords.h"
#include "document/DocumentSnapshot.h"
#include "editing/AddRecords.h"
#include "editing/DocumentEditing.h"
#include "editing/DocumentSetup.h"
#include "register/voCheckViewData.h"

#include <QTest>

using namespace DocumentFixtures;

namespace {

constexpr int kJan = 0;
constexpr int kDec = 11;

/// Every category's entries of every month as text, each list in its order.
QStringList storedEntries(const BudgetDocument &document)
{
    QStringList lines;
    for (const QString &name : categoryNames(document)) {
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            for (const Entry &e : *document.entryList(name, month))
                lines << QStringList { name, QString::number(month), e.day, e.desc, e.amount, e.note, e.reconciled }
                             .join(u'|');
        }
    }
    return lines;
}

/// A budget of three categories with January's records stored out of day,
/// amount and description order, and a record in February.
struct Budget
{
    BudgetDocument document;
    DocumentEditing editing { document };
    RecordedSteps steps;
    RecordingHost host;
    voCheckViewData records { editing, host };

    Budget()
    {
        fillRegisterSample(document, kJan);
        // Unchecked boxes as other writers mark them.
        DocumentFixtures::entries(document, QStringLiteral("Rent"), kJan).last().reconciled = QStringLiteral("0");
        DocumentFixtures::entries(document, QStringLiteral("Fun"), kJan).last().reconciled = QString();
        addItem(document, QStringLiteral("Food"), kJan + 1, "2", "Already", "1");
        DocumentFixtures::recalculate(document);
        editing.setChangeLog(&steps);
    }

    [[nodiscard]] DocumentEditing &edits() { return editing; }
    [[nodiscard]] int rowOf(const QString &desc) const { return RegisterRecords::rowOf(records, desc); }
    /// The register's records in its order.
    [[nodiscard]] QStringList shown() const { return RegisterRecords::lines(records); }
    /// One of the changes the undo tests make to January's records.
    [[nodiscard]] bool change(const QString &kind)
    {
        RecordEdits &edits = editing.records();
        const int market = rowOf(QStringLiteral("Market"));
        if (kind == u"amount")
            return edits.setField(records, market, RecordField::Amount, QStringLiteral("46")).isChanged();
        if (kind == u"category")
            return edits.setField(records, market, RecordField::Category, QStringLiteral("Rent")).isChanged();
        if (kind == u"add")
            return edits.addRecord(records, RegisterRecord::fromEntry(Entry { "3", "New", "4", {}, " " }, "Fun")).isChanged();
        if (kind == u"import")
            return editing.addRecords(AddRecords({ { QStringLiteral("Food"), kJan, Entry { "1", "Imported", "7", {}, " " } },
                                                   { QStringLiteral("Fun"), kJan, Entry { "9", "Imported", "1", {}, " " } } }),
                                      QStringLiteral("Import 2 Transactions"));
        return edits.deleteRecords(records, { market, rowOf(QStringLiteral("Landlord")) }).isChanged();
    }
    /// January's stored entries after a write-back, in any order: undo restores values, not order.
    [[nodiscard]] QStringList january()
    {
        records.writeBack();
        QStringList entries = storedEntries(document);
        entries.sort();
        return entries;
    }
    /// The document as a grid and its stored entries, as a test compares it.
    [[nodiscard]] QStringList whole() const
    {
        QStringList lines = storedEntries(document);
        for (const CategoryRow &row : document.getCatArray())
            lines << row.desc + u'|' + QStringList(row.months.cbegin(), row.months.cend()).join(u'|');
        return lines;
    }
};

} // namespace

class TestDocumentEdits : public QObject
{
    Q_OBJECT

private slots:
    void amounts_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("result"); // the stored text, or the message
        const QString &notAnAmount = BadInput::kNotAnAmount;
        const auto twoWays = [](const char *typed, const char *one, const char *other) {
            return QStringLiteral("\"%1\" could mean %2 or %3. Type it without a thousands separator, as %2 or %3.")
                .arg(QLatin1String(typed), QLatin1String(one), QLatin1String(other));
        };
        for (const char *target : { "budget", "envelope" }) {
            const QByteArray t(target);
            QTest::newRow(t + ": new amount") << target << "en"
                                              << "2700"
                                              << "changed"
                                              << "2700";
            QTest::newRow(t + ": zero written as 0") << target << "en"
                                                     << "-0.00"
                                                     << "changed"
                                                     << "0";
            QTest::newRow(t + ": refused") << target << "en"
                                           << "lots"
                                           << "refused" << notAnAmount.arg("lots");
            QTest::newRow(t + ": the same text") << target << "en"
                                                 << "1000"
                                                 << "unchanged"
                                                 << "1000";
        }
        // A number as the user's locale writes it, or as the file does.
        const struct
        {
            const char *typed;
            const char *english;
            const char *german;
        } readings[] = {
            { "12,50", "12.50", "12.50" },    { "12.50", "12.50", "12.50" },    { "1,200", nullptr, "1.200" },
            { "1.200", "1.200", nullptr },    { "1 200", nullptr, nullptr },    { "-3", "-3", "-3" },
            { "1,200.5", "1200.5", nullptr }, { "1.200,5", nullptr, "1200.5" },
        };
        for (const auto &reading : readings) {
            for (const char *locale : { "en", "de" }) {
                const char *stored = QByteArray(locale) == "en" ? reading.english : reading.german;
                const QByteArray name = QByteArray("budget: ") + reading.typed + " in " + locale;
                if (stored)
                    QTest::newRow(name) << "budget" << locale << reading.typed << "changed" << stored;
                else if (QByteArray(reading.typed) == "1 200")
                    QTest::newRow(name) << "budget" << locale << reading.typed << "refused" << notAnAmount.arg("1 200");
                else if (QByteArray(reading.typed) == "1,200")
                    QTest::newRow(name) << "budget" << locale << reading.typed << "refused"
                                        << twoWays("1,200", "1200", "1.2");
                else if (QByteArray(reading.typed) == "1.200")
                    QTest::newRow(name) << "budget" << locale << reading.typed << "refused"
                                        << twoWays("1.200", "1,2", "1200");
                else
                    QTest::newRow(name) << "budget" << locale << reading.typed << "refused"
                                        << notAnAmount.arg(reading.typed);
            }
        }
        // French groups with a narrow no-break space: typed plain, pasted as shown.
        for (const char16_t space : { u' ', u'\u00A0', u'\u202F' })
            QTest::newRow(qPrintable(QStringLiteral("budget: 1 234,5 in fr, space U+%1").arg(int(space), 4, 16, QChar(u'0'))))
                << "budget" << "fr" << QStringLiteral("1_234,5").replace(u'_', QChar(space)) << "changed" << "1234.5";
    }

    void amounts()
    {
        QFETCH(QString, target);
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        QFETCH(QString, result);
        Budget b;
        const bool budget = target == u"budget";
        if (!budget)
            setEnvelope(b.document, QStringLiteral("Food"), kJan, QStringLiteral("1000"));
        const QLocale language(locale == u"de" ? QLocale::German : locale == u"fr" ? QLocale::French : QLocale::English);
        const auto stored = [&b, budget] {
            return budget ? b.document.budgetTotals()[kJan]
                          : b.document.entryList(QStringLiteral("Food"), kJan)->first().amount;
        };
        const auto look = [&b] { return b.whole(); };
        const QStringList before = look();

        const EditAnswer answer = budget
            ? b.edits().amounts().setBudget(kJan, typed, language)
            : b.edits().amounts().setEnvelope(QStringLiteral("Food"), kJan, typed, language);
        QCOMPARE(outcomeOf(answer), outcome);
        if (answer.isRefused()) {
            QCOMPARE(answer.message, result);
            QCOMPARE(look(), before);
            QVERIFY(b.steps.steps.empty());
            return;
        }
        QCOMPARE(stored(), result);
        if (answer.isChanged())
            QVERIFY(b.steps.undoesAndRedoes(budget ? "Edit Budget" : "Edit Envelope", look, before));
        else
            QVERIFY(b.steps.steps.empty());
    }

    void categories_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text"); // a name, or the row moved to
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("names"); // after the change
        QTest::addColumn<QString>("message");
        const QStringList three { "Food", "Rent", "Fun" };
        const QString inUse = QStringLiteral("There is already a category named \"Rent\". Choose another name.");
        QTest::newRow("create") << "create" << 0 << "Travel"
                                << "changed" << QStringList { "Food", "Rent", "Fun", "Travel" } << "";
        QTest::newRow("create: name in use") << "create" << 0 << "Rent"
                                             << "refused" << three << inUse;
        QTest::newRow("create: leading ;") << "create" << 0 << ";x"
                                           << "refused" << three << BadInput::kNameSemicolon;
        QTest::newRow("rename") << "rename" << 3 << "Groceries"
                                << "changed" << QStringList { "Groceries", "Rent", "Fun" } << "";
        QTest::newRow("rename: name in use") << "rename" << 3 << "Rent"
                                             << "refused" << three << inUse;
        QTest::newRow("rename: the same name") << "rename" << 3 << "Food"
                                               << "unchanged" << three << "";
        QTest::newRow("rename: empty") << "rename" << 3 << ""
                                       << "unchanged" << three << "";
        QTest::newRow("rename: a fixed row") << "rename" << 0 << "Total"
                                             << "unchanged" << three << "";
        QTest::newRow("delete") << "delete" << 4 << ""
                                << "changed" << QStringList { "Food", "Fun" } << "";
        QTest::newRow("delete: a fixed row") << "delete" << 1 << ""
                                             << "unchanged" << three << "";
        QTest::newRow("move up") << "move" << 5 << "3"
                                 << "changed" << QStringList { "Fun", "Food", "Rent" } << "";
        QTest::newRow("move down") << "move" << 3 << "6"
                                   << "changed" << QStringList { "Rent", "Fun", "Food" } << "";
        QTest::newRow("move onto its own place") << "move" << 4 << "5"
                                                 << "unchanged" << three << "";
    }

    void categories()
    {
        QFETCH(QString, operation);
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QString, outcome);
        QFETCH(QStringList, names);
        QFETCH(QString, message);
        Budget b;
        const auto look = [&b] { return b.whole(); };
        const QStringList before = look();
        CategoryEdits &edits = b.edits().categories();
        EditAnswer answer;
        QString name;
        if (operation == u"create") {
            answer = edits.createCategory(text);
            name = QStringLiteral("New Category");
        } else if (operation == u"rename") {
            answer = edits.renameCategory(row, text);
            name = QStringLiteral("Rename Category");
        } else if (operation == u"delete") {
            answer = edits.deleteCategory(row);
            name = QStringLiteral("Delete Category");
        } else {
            answer = edits.moveCategory(row, text.toInt());
            name = QStringLiteral("Move Category");
        }
        QCOMPARE(outcomeOf(answer), outcome);
        QCOMPARE(answer.message, message);
        QCOMPARE(categoryNames(b.document), names);
        if (answer.isChanged())
            QVERIFY(b.steps.undoesAndRedoes(name, look, before));
        else
            QVERIFY(b.steps.steps.empty());
    }

    void manyCategoriesInOneStep_data()
    {
        QTest::addColumn<bool>("envelope");
        QTest::addColumn<QStringList>("typed"); // name=amount
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("names"); // after the change
        QTest::addColumn<QString>("budget");    // each month's, after
        QTest::addColumn<QString>("envelopes"); // of the new categories in December, after
        QTest::addColumn<QString>("message");
        const QStringList three { "Food", "Rent", "Fun" };
        const QStringList five { "Food", "Rent", "Fun", "Travel", "Pets" };
        const QString inUse = QStringLiteral("There is already a category named \"%1\". Choose another name.");
        QTest::newRow("standard: the sum is the budget") << false << QStringList { "Travel=120.50", "Pets=30" }
                                                         << "changed" << five << "150.5" << "0 0" << "";
        QTest::newRow("standard: no amounts keep the budget") << false << QStringList { "Travel=", "Pets=" }
                                                              << "changed" << five << "100" << "0 0" << "";
        QTest::newRow("envelope: the amounts are the envelopes") << true << QStringList { "Travel=120.50", "Pets=" }
                                                                 << "changed" << five << "220.5" << "120.50 0" << "";
        QTest::newRow("a name in use") << false << QStringList { "Travel=1", "Rent=2" }
                                       << "refused" << three << "100" << "" << inUse.arg("Rent");
        QTest::newRow("one name twice") << false << QStringList { "Travel=1", "Travel=2" }
                                        << "refused" << three << "100" << "" << inUse.arg("Travel");
        QTest::newRow("an amount refused") << false << QStringList { "Travel=1", "Pets=abc" }
                                           << "refused" << three << "100" << ""
                                           << TextRules::checkAmount(QStringLiteral("abc")).error;
        QTest::newRow("none") << false << QStringList {} << "unchanged" << three << "100" << "" << "";
    }

    void manyCategoriesInOneStep()
    {
        QFETCH(bool, envelope);
        QFETCH(QStringList, typed);
        QFETCH(QString, outcome);
        QFETCH(QStringList, names);
        QFETCH(QString, budget);
        QFETCH(QString, envelopes);
        QFETCH(QString, message);
        Budget b;
        DocumentSetup::setEnvelopeView(b.document, envelope);
        for (int month = 0; month < MonthTables::kMonthCount; ++month) {
            setBudget(b.document, month, QStringLiteral("100"));
            for (const QString &name : categoryNames(b.document))
                setEnvelope(b.document, name, month, name == u"Food" ? QStringLiteral("100") : QStringLiteral("0"));
        }
        DocumentFixtures::recalculate(b.document);
        const auto look = [&b] { return b.whole(); };
        const QStringList before = look();
        QList<CategoryEdits::NewCategory> categories;
        for (const QString &entry : typed)
            categories.append({ entry.section(u'=', 0, 0), entry.section(u'=', 1) });

        const EditAnswer answer = b.edits().categories().createCategories(categories);
        QCOMPARE(outcomeOf(answer), outcome);
        QCOMPARE(answer.message, message);
        QCOMPARE(categoryNames(b.document), names);
        for (int month : { kJan, kDec })
            QCOMPARE(b.document.calculateBudgetForColumnId(month), budget);
        QStringList december;
        for (qsizetype at = 3; at < names.size(); ++at)
            december << b.document.entryList(names[at], kDec)->first().amount;
        QCOMPARE(december.join(u' '), envelopes);
        if (answer.isChanged())
            QVERIFY(b.steps.undoesAndRedoes(QStringLiteral("New Categories"), look, before));
        else
            QVERIFY(b.steps.steps.empty());
    }

    void recordFields_data()
    {
        QTest::addColumn<QString>("desc"); // the record edited
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("record"); // after: day|desc|category|amount|note|mark, or the message
        QTest::addColumn<QString>("step");
        QTest::newRow("amount") << "Market"
                                << "amount"
                                << "46"
                                << "changed"
                                << "20|Market|Food|46|| "
                                << "Edit Amount";
        QTest::newRow("amount: refused") << "Market"
                                         << "amount"
                                         << "4x"
                                         << "refused"
                                         << BadInput::filled(BadInput::kNotAnAmount, "4x")
                                         << "";
        QTest::newRow("amount: the same") << "Market"
                                          << "amount"
                                          << "45.10"
                                          << "unchanged"
                                          << "20|Market|Food|45.10|| "
                                          << "";
        QTest::newRow("day") << "Market"
                             << "day"
                             << " 7 "
                             << "changed"
                             << "7|Market|Food|45.10|| "
                             << "Edit Day";
        QTest::newRow("day: refused") << "Market"
                                      << "day"
                                      << "32"
                                      << "refused"
                                      << BadInput::filled(BadInput::kNotADay, "32")
                                      << "";
        QTest::newRow("category") << "Market"
                                  << "category"
                                  << "Fun"
                                  << "changed"
                                  << "20|Market|Fun|45.10|| "
                                  << "Edit Category";
        QTest::newRow("category: no such") << "Market"
                                           << "category"
                                           << "Car"
                                           << "refused"
                                           << BadInput::filled(BadInput::kNotACategory, "Car")
                                           << "";
        QTest::newRow("note: tab") << "Market"
                                   << "note"
                                   << "a\tb"
                                   << "changed"
                                   << "20|Market|Food|45.10|a b| "
                                   << "Edit Note";
        QTest::newRow("description: line break") << "Market"
                                                 << "desc"
                                                 << "a\nb"
                                                 << "refused"
                                                 << BadInput::kDescLineBreak
                                                 << "";
        QTest::newRow("check a box marked 0") << "Landlord"
                                              << "reconciled"
                                              << "R"
                                              << "changed"
                                              << "1|Landlord|Rent|800||R"
                                              << "Reconcile";
        QTest::newRow("check a box marked \"\"") << "Cinema"
                                                 << "reconciled"
                                                 << "R"
                                                 << "changed"
                                                 << "12|Cinema|Fun|-3||R"
                                                 << "Reconcile";
        QTest::newRow("clear a checked box") << "Bakery"
                                             << "reconciled"
                                             << " "
                                             << "changed"
                                             << "5|Bakery|Food|8.5|bread| "
                                             << "Clear Reconciled Mark";
        QTest::newRow("check a checked box") << "Bakery"
                                             << "reconciled"
                                             << "R"
                                             << "unchanged"
                                             << "5|Bakery|Food|8.5|bread|R"
                                             << "";
    }

    void recordFields()
    {
        QFETCH(QString, desc);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, outcome);
        QFETCH(QString, record);
        QFETCH(QString, step);
        Budget b;
        b.records.loadMonthData(QStringLiteral("jan"));
        const int row = b.rowOf(desc);
        const auto look = [&b] { return b.shown(); };
        const QStringList before = look();

        const EditAnswer answer = b.edits().records().setField(b.records, row, *recordFieldOf(field), typed);
        QCOMPARE(outcomeOf(answer), outcome);
        if (answer.isRefused()) {
            QCOMPARE(answer.message, record);
            QCOMPARE(look(), before);
        } else {
            QCOMPARE(look().at(row), record);
        }
        if (answer.isChanged())
            QVERIFY(b.steps.undoesAndRedoes(step, look, before));
        else
            QVERIFY(b.steps.steps.empty());
    }

    void recordsAddedDeletedCarried_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QStringList>("rows"); // the records' descriptions
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("step");
        QTest::newRow("add") << "add"
                             << "jan" << QStringList {} << "changed"
                             << "Add Transaction";
        QTest::newRow("add without categories") << "add"
                                                << "none" << QStringList {} << "refused"
                                                << "";
        QTest::newRow("delete one") << "delete"
                                    << "jan" << QStringList { "Bakery" } << "changed"
                                    << "Delete Transaction";
        QTest::newRow("delete three") << "delete"
                                      << "jan" << QStringList { "Cinema", "Market", "Bakery" } << "changed"
                                      << "Delete Transactions";
        QTest::newRow("delete nothing") << "delete"
                                        << "jan" << QStringList {} << "unchanged"
                                        << "";
        QTest::newRow("carry over two") << "carry"
                                        << "jan" << QStringList { "Market", "Landlord" } << "changed"
                                        << "Carry Over";
        QTest::newRow("carry over from December") << "carry"
                                                  << "dec" << QStringList {} << "unchanged"
                                                  << "";
    }

    void recordsAddedDeletedCarried()
    {
        QFETCH(QString, operation);
        QFETCH(QString, month);
        QFETCH(QStringList, rows);
        QFETCH(QString, outcome);
        QFETCH(QString, step);
        Budget b;
        if (month == u"none") {
            while (b.document.categoryCount() > 0)
                DocumentWriter(b.document).deleteCategoryByIndex(kFirstCategoryRow);
            month = QStringLiteral("jan");
        }
        b.records.loadMonthData(month);
        QList<int> at;
        for (const QString &desc : std::as_const(rows))
            at << b.rowOf(desc);
        const auto look = [&b] { return b.shown() + storedEntries(b.document); };
        const QStringList before = look();
        RecordEdits &edits = b.edits().records();
        RegisterRecord draft;
        draft.day = QStringLiteral("3");
        draft.desc = QStringLiteral("Unknown");
        draft.amount = QStringLiteral("4");
        draft.category = QStringLiteral("Rent");
        const EditAnswer answer = operation == u"add" ? edits.addRecord(b.records, draft)
            : operation == u"delete"                  ? edits.deleteRecords(b.records, at)
                                                      : edits.carryOver(b.records, at);
        QCOMPARE(outcomeOf(answer), outcome);
        if (answer.isChanged())
            QVERIFY(b.steps.undoesAndRedoes(step, look, before));
        else
            QCOMPARE(look(), before);
    }

    void undoFindsRecordsWhereverTheyAre_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("then");
        for (const char *change : { "amount", "category", "add", "delete", "import" }) {
            for (const char *then : { "month still shown", "month written back", "month shown again, sorted" }) {
                QTest::newRow(QByteArray(change) + ", " + then) << change << then;
            }
        }
    }

    void undoFindsRecordsWhereverTheyAre()
    {
        QFETCH(QString, change);
        QFETCH(QString, then);
        Budget b;
        const auto look = [&b] { return b.january(); };
        b.records.loadMonthData(QStringLiteral("jan"));
        b.records.sortByMethod(voCheckViewData::kSortByAmount);
        const QStringList before = look();
        QVERIFY(b.change(change));
        if (then != u"month still shown")
            b.records.storeAndReleaseMonthData();
        if (then == u"month shown again, sorted") {
            b.records.loadMonthData(QStringLiteral("jan"));
            b.records.sortByMethod(voCheckViewData::kSortByDesc);
        }
        const QStringList after = look();
        b.steps.steps.back()->undo();
        QCOMPARE(look(), before);
        b.steps.steps.back()->redo();
        QCOMPARE(look(), after);
    }

    /// Later edits write the month back in register order, so the imported
    /// records no longer end their lists when the import is undone.
    void anImportIsTakenBackWhereverItsRecordsMoved()
    {
        Budget b;
        b.records.loadMonthData(QStringLiteral("jan"));
        b.records.sortByMethod(voCheckViewData::kSortByAmount);
        const QStringList before = b.january();
        QVERIFY(b.change(QStringLiteral("import")));
        const QStringList imported = b.january();
        QVERIFY(b.change(QStringLiteral("amount")));
        b.steps.steps.back()->undo();
        QCOMPARE(b.january(), imported);
        b.steps.steps.front()->undo();
        QCOMPARE(b.january(), before);
        b.steps.steps.front()->redo();
        QCOMPARE(b.january(), imported);
    }

    /// Redone while the next month is open, carried records come after the
    /// records there, in their order, as they first did.
    void aCarryOverIsRedoneAfterTheNextMonthsRecords()
    {
        Budget b;
        b.records.sortByMethod(-1); // the stored order
        b.records.loadMonthData(QStringLiteral("jan"));
        QVERIFY(b.edits().records().carryOver(b.records, { b.rowOf(QStringLiteral("Market")), b.rowOf(QStringLiteral("Bakery")) })
                    .isChanged());
        b.records.storeAndReleaseMonthData();
        b.records.loadMonthData(QStringLiteral("feb"));
        const QStringList carried = b.shown();
        QCOMPARE(carried.size(), 3);
        b.steps.steps.back()->undo();
        b.steps.steps.back()->redo();
        QCOMPARE(b.shown(), carried);
    }

    /// A restored backup or recovered file comes without ids; steps taken
    /// after it must still find their records once it is undone and redone.
    void stepsAfterAWholeDocumentChangeRedo_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : { "amount", "category", "delete", "import" })
            QTest::newRow(change) << change;
    }

    void stepsAfterAWholeDocumentChangeRedo()
    {
        QFETCH(QString, change);
        Budget b;
        const DocumentSnapshot fromFile = DocumentSnapshot::take(b.document);
        b.records.loadMonthData(QStringLiteral("jan"));
        b.edits().replaceDocument(fromFile, QStringLiteral("Restore from Backup"));
        QVERIFY(b.change(change));
        const QStringList after = b.january();
        b.steps.steps.back()->undo();
        b.steps.steps.front()->undo();
        b.steps.steps.front()->redo();
        b.steps.steps.back()->redo();
        QCOMPARE(b.january(), after);
    }
};

QTEST_GUILESS_MAIN(TestDocumentEdits)
#include "tst_documentedits.moc"
