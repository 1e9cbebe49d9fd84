#include "DocumentFixtures.h"
#include "RecordedSteps.h"
#include "RecurringFixture.h"
#include "editing/DocumentSetup.h"

#include "document/DocumentSnapshot.h"
#include "editing/DocumentEditing.h"
#include "recurring/RecurrencePattern.h"
#include "recurring/RecurringDue.h"
#include "year/NewYearBudget.h"

#include <QTest>

namespace {

QStringList datesOf(const QList<RecurrenceRule::Occurrence> &occurrences)
{
    QStringList dates;
    for (const RecurrenceRule::Occurrence &occurrence : occurrences)
        dates << occurrence.date.toString(Qt::ISODate);
    return dates;
}

QStringList dueDates(const BudgetDocument &document, int year, QDate until)
{
    QStringList dates;
    const QList<RecurringItem> items = RecurringRecords::read(document);
    for (const DueOccurrence &due : RecurringDue::upTo(items, year, until))
        dates << items[due.item].transaction->description + u' ' + due.occurrence.date.toString(Qt::ISODate);
    return dates;
}

/// Every due occurrence entered as it stands.
QList<HandledOccurrence> enterAll(const BudgetDocument &document, int year, QDate until)
{
    QList<HandledOccurrence> handled;
    const QList<RecurringItem> items = RecurringRecords::read(document);
    for (const DueOccurrence &due : RecurringDue::upTo(items, year, until))
        handled.append({due.item, due.occurrence.date, true, due.occurrence.date, items[due.item].transaction->amount});
    return handled;
}

/// The booked items of every category, "Rent 2 1 Landlord 800" (category, month 1–12, day, …).
QStringList bookedItems(const BudgetDocument &document)
{
    QStringList items;
    document.forEachBookedEntry([&](int row, int month, const Entry &entry) {
        items << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(document.getCatArray()[row].desc)
                     .arg(month + 1)
                     .arg(entry.day, entry.desc, entry.amount);
    });
    return items;
}

const QString kRent = QStringLiteral("20260101\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1\tnone\tauto\tRent\tLandlord\t800\t\t20260101");

} // namespace

class TestRecurring : public QObject
{
    Q_OBJECT

private slots:
    void rulesGiveTheirDatesOverAYear_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("shift");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("dates");
        const QString year0 = QStringLiteral("2026-01-01");
        const QString year1 = QStringLiteral("2026-12-31");
        QTest::newRow("31st through February and April")
            << "20260131" << "FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=31" << "none" << year0 << "2026-05-31"
            << QStringList{"2026-01-31", "2026-02-28", "2026-03-31", "2026-04-30", "2026-05-31"};
        QTest::newRow("30th without BYMONTHDAY, from the first date")
            << "20260130" << "FREQ=MONTHLY" << "none" << year0 << "2026-03-31"
            << QStringList{"2026-01-30", "2026-02-28", "2026-03-30"};
        QTest::newRow("last day in a leap year")
            << "20280131" << "FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=-1" << "none" << "2028-01-01" << "2028-04-30"
            << QStringList{"2028-01-31", "2028-02-29", "2028-03-31", "2028-04-30"};
        QTest::newRow("every 2 months on the 31st")
            << "20251231" << "FREQ=MONTHLY;INTERVAL=2;BYMONTHDAY=31" << "none" << year0 << "2026-06-30"
            << QStringList{"2026-02-28", "2026-04-30", "2026-06-30"};
        QTest::newRow("every 2 weeks across a month end")
            << "20260122" << "FREQ=WEEKLY;INTERVAL=2" << "none" << year0 << "2026-03-10"
            << QStringList{"2026-01-22", "2026-02-05", "2026-02-19", "2026-03-05"};
        QTest::newRow("yearly on 29 February in non-leap years")
            << "20240229" << "FREQ=YEARLY" << "none" << "2025-01-01" << "2028-12-31"
            << QStringList{"2025-02-28", "2026-02-28", "2027-02-28", "2028-02-29"};
        QTest::newRow("COUNT ends it")
            << "20260115" << "FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=15;COUNT=3" << "none" << year0 << year1
            << QStringList{"2026-01-15", "2026-02-15", "2026-03-15"};
        QTest::newRow("UNTIL ends it, also a last day past it")
            << "20260131" << "FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=31;UNTIL=20260415" << "none" << year0 << year1
            << QStringList{"2026-01-31", "2026-02-28", "2026-03-31"};
        QTest::newRow("Saturday, Friday before")
            << "20260131" << "FREQ=MONTHLY;BYMONTHDAY=31;COUNT=1" << "before" << year0 << year1
            << QStringList{"2026-01-30"};
        QTest::newRow("Sunday, Friday before")
            << "20260201" << "FREQ=MONTHLY;BYMONTHDAY=1;COUNT=1" << "before" << year0 << year1
            << QStringList{"2026-01-30"};
        QTest::newRow("Saturday, Monday after")
            << "20260131" << "FREQ=MONTHLY;BYMONTHDAY=31;COUNT=1" << "after" << year0 << year1
            << QStringList{"2026-02-02"};
        QTest::newRow("Sunday, Monday after")
            << "20260201" << "FREQ=MONTHLY;BYMONTHDAY=1;COUNT=1" << "after" << year0 << year1
            << QStringList{"2026-02-02"};
        QTest::newRow("a weekday does not move")
            << "20260202" << "FREQ=MONTHLY;BYMONTHDAY=2;COUNT=1" << "after" << year0 << year1
            << QStringList{"2026-02-02"};
        QTest::newRow("shifted into the range from after it")
            << "20260103" << "FREQ=WEEKLY;COUNT=1" << "before" << year0 << "2026-01-02"
            << QStringList{"2026-01-02"};
        QTest::newRow("Saturday 1 January moved into the year before")
            << "20280101" << "FREQ=YEARLY;COUNT=1" << "before" << "2027-01-01" << "2027-12-31"
            << QStringList{"2027-12-31"};
    }

    void rulesGiveTheirDatesOverAYear()
    {
        QFETCH(QString, start);
        QFETCH(QString, rule);
        QFETCH(QString, shift);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, dates);
        QString why;
        const std::optional<RecurrenceRule> made
            = RecurrenceRule::of(RecurrenceRule::dateOf(start), rule, *RecurrenceRule::shiftOf(shift), &why);
        QVERIFY2(made, qPrintable(why));
        QCOMPARE(datesOf(made->between(QDate::fromString(from, Qt::ISODate), QDate::fromString(to, Qt::ISODate))),
                 dates);
    }

    void brokenRecordsSayWhyAndStayAsRead_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("problem");
        QTest::newRow("readable") << kRent << "";
        QTest::newRow("estimate") << "20260105\tFREQ=MONTHLY\tafter\task\tPower\tCity power\t~80\tmeter\t" << "";
        QTest::newRow("bad first date") << "20261301\tFREQ=MONTHLY\tnone\task\tRent\tX\t1\t\t" << "first date";
        QTest::newRow("bad rule") << "20260101\tFREQ=SOMETIMES\tnone\task\tRent\tX\t1\t\t" << "cannot be read";
        QTest::newRow("hourly") << "20260101\tFREQ=HOURLY\tnone\task\tRent\tX\t1\t\t" << "more often";
        QTest::newRow("unknown category") << "20260101\tFREQ=MONTHLY\tnone\task\tGym\tX\t1\t\t" << "Gym";
        QTest::newRow("bad shift") << "20260101\tFREQ=MONTHLY\tsoon\task\tRent\tX\t1\t\t" << "weekend shift";
        QTest::newRow("bad entry") << "20260101\tFREQ=MONTHLY\tnone\tmaybe\tRent\tX\t1\t\t" << "entry";
        QTest::newRow("bad amount") << "20260101\tFREQ=MONTHLY\tnone\task\tRent\tX\t1,5\t\t" << "amount";
        QTest::newRow("bad last") << "20260101\tFREQ=MONTHLY\tnone\task\tRent\tX\t1\t\tyesterday" << "last date";
        QTest::newRow("too few fields") << "20260101\tFREQ=MONTHLY\tnone" << "fields";
    }

    void brokenRecordsSayWhyAndStayAsRead()
    {
        QFETCH(QString, fields);
        QFETCH(QString, problem);
        BudgetDocument document;
        RecurringFixture::fill(document, 2026, {fields});
        const QList<RecurringItem> items = RecurringRecords::read(document);
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0].isBroken(), !problem.isEmpty());
        QVERIFY2(items[0].problem.contains(problem), qPrintable(items[0].problem));
        if (!problem.isEmpty())
            QVERIFY(RecurringDue::upTo(items, 2026, QDate(2026, 12, 31)).isEmpty());

        // Adding another keeps this one's line exactly, and a file round trip keeps both.
        DocumentEditing editing(document);
        RecurringTransaction phone;
        phone.rule = *RecurrenceRule::of(QDate(2026, 3, 3), QStringLiteral("FREQ=MONTHLY"), WeekendShift::None);
        phone.category = QStringLiteral("Phone");
        phone.description = QStringLiteral("Mobile");
        phone.amount = QStringLiteral("19.90");
        QVERIFY(editing.recurring().add(phone, QLocale::c()).isChanged());
        const QByteArray written = BudgetFileWriter::buildData(document);
        QVERIFY(written.contains(u";@recurring\t"_qs.toUtf8() + fields.toUtf8() + "\r\n"));
        RecurringFixture::reopen(document);
        QCOMPARE(RecurringRecords::read(document).size(), 2);
        QCOMPARE(BudgetFileWriter::buildData(document), written);
    }

    void aLineWithABadEscapeIsKeptThroughEdits()
    {
        BudgetDocument document;
        RecurringFixture::fill(document, 2026, {kRent});
        DocumentExtensions extensions = document.extensions();
        extensions.append(*ExtensionRecord::fromLine(u";@recurring\t2026\\q"));
        DocumentFixtures::setExtensions(document, extensions);
        QCOMPARE(RecurringRecords::read(document).size(), 2);
        QVERIFY(RecurringRecords::read(document)[1].isBroken());
        DocumentEditing editing(document);
        QVERIFY(editing.recurring().remove(0).isChanged());
        const QList<RecurringItem> left = RecurringRecords::read(document);
        QCOMPARE(left.size(), 1);
        QCOMPARE(left[0].record.toLine(), u";@recurring\t2026\\q"_qs);
    }

    void aFileClosedForMonthsCatchesUpOnceAndNeverTwice()
    {
        BudgetDocument document;
        RecurringFixture::fill(document, 2026,
                               {kRent, u"20260110\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=10\tnone\task\tPower\tCity power\t~80\t\t"_qs});
        const QDate may = QDate(2026, 4, 20);
        QCOMPARE(dueDates(document, 2026, may),
                 (QStringList{"City power 2026-01-10", "Landlord 2026-02-01", "City power 2026-02-10",
                              "Landlord 2026-03-01", "City power 2026-03-10", "Landlord 2026-04-01",
                              "City power 2026-04-10"}));

        DocumentEditing editing(document);
        RecordedSteps steps;
        editing.setChangeLog(&steps);
        QList<HandledOccurrence> handled = enterAll(document, 2026, may);
        // The estimate is entered at what the bill said, and January's power skipped.
        handled[0].enter = false;
        handled[2].amount = QStringLiteral("74.35");
        handled[2].day = QDate(2026, 2, 12);
        const auto look = [&] { return QStringList{bookedItems(document).join(u'|'), RecurringFixture::lastFields(document).join(u'|')}; };
        const QStringList before = look();
        QVERIFY(editing.recurring().handle(handled, 2026).isChanged());
        QVERIFY(steps.undoesAndRedoes(QStringLiteral("Enter 6 Recurring Transactions"), look, before));
        QCOMPARE(bookedItems(document),
                 (QStringList{"Rent 2 1 Landlord 800", "Rent 3 1 Landlord 800", "Rent 4 1 Landlord 800",
                              "Power 2 12 City power 74.35", "Power 3 10 City power 80",
                              "Power 4 10 City power 80"}));
        QCOMPARE(RecurringFixture::lastFields(document), (QStringList{"20260401", "20260410"}));
        QVERIFY(dueDates(document, 2026, may).isEmpty());

        // Reopened, with an entered record deleted: nothing comes back.
        DocumentFixtures::entries(document, QStringLiteral("Rent"), 2).removeLast();
        RecurringFixture::reopen(document);
        QVERIFY(dueDates(document, 2026, may).isEmpty());
        QCOMPARE(dueDates(document, 2026, QDate(2026, 5, 10)),
                 (QStringList{"Landlord 2026-05-01", "City power 2026-05-10"}));
    }

    void anOccurrenceLeftForLaterKeepsTheLaterOnesDue()
    {
        BudgetDocument document;
        RecurringFixture::fill(document, 2026, {kRent});
        DocumentEditing editing(document);
        QList<HandledOccurrence> handled = enterAll(document, 2026, QDate(2026, 3, 5));
        QCOMPARE(handled.size(), 2);
        handled.removeFirst();
        const EditAnswer answer = editing.recurring().handle(handled, 2026);
        QVERIFY(answer.isRefused());
        QCOMPARE(answer.message, u"An earlier occurrence of \"Landlord\" is still due."_qs);
        QVERIFY(bookedItems(document).isEmpty());
        QCOMPARE(RecurringFixture::lastFields(document), QStringList{"20260101"});
    }

    void onlyTheBudgetsYearIsEntered()
    {
        BudgetDocument document;
        RecurringFixture::fill(document, 2026,
                               {u"20251201\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1\tnone\tauto\tRent\tLandlord\t800\t\t"_qs,
                                u"20261231\tFREQ=WEEKLY;INTERVAL=1\tnone\tauto\tPhone\tData\t5\t\t"_qs});
        const QStringList due = dueDates(document, 2026, QDate(2027, 2, 15));
        QCOMPARE(due.size(), 13);
        QCOMPARE(due.first(), u"Landlord 2026-01-01"_qs);
        QCOMPARE(due.last(), u"Data 2026-12-31"_qs);
        QList<HandledOccurrence> handled = enterAll(document, 2026, QDate(2026, 12, 31));
        handled.last().day = QDate(2027, 1, 2);
        DocumentEditing editing(document);
        QVERIFY(editing.recurring().handle(handled, 2026).isRefused());
    }

    void nextYearGoesOnWhereThisOneEnds_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("carried");
        QTest::newRow("monthly, count left")
            << "20260101\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1;COUNT=15\tnone\tauto\tRent\tLandlord\t800\t\t20261201"
            << "20270101\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=1;COUNT=3\tnone\tauto\tRent\tLandlord\t800\t\t";
        QTest::newRow("30th from February's 28th")
            << "20261130\tFREQ=MONTHLY;INTERVAL=3\tnone\task\tRent\tX\t1\t\t"
            << "20270228\tFREQ=MONTHLY;INTERVAL=3;BYMONTHDAY=30\tnone\task\tRent\tX\t1\t\t";
        QTest::newRow("yearly on 29 February")
            << "20240229\tFREQ=YEARLY\tnone\task\tRent\tX\t1\t\t20260228"
            << "20270228\tFREQ=YEARLY;BYMONTHDAY=29;BYMONTH=2\tnone\task\tRent\tX\t1\t\t";
        QTest::newRow("every 2 weeks")
            << "20261224\tFREQ=WEEKLY;INTERVAL=2\tafter\tauto\tPhone\tData\t5\tnote\t20261224"
            << "20270107\tFREQ=WEEKLY;INTERVAL=2\tafter\tauto\tPhone\tData\t5\tnote\t";
        QTest::newRow("ended this year") << "20260101\tFREQ=MONTHLY;COUNT=3\tnone\tauto\tRent\tX\t1\t\t" << "";
        QTest::newRow("broken goes over as it is")
            << "20260101\tFREQ=MONTHLY\tnone\tauto\tGym\tX\t1\t\t"
            << "20260101\tFREQ=MONTHLY\tnone\tauto\tGym\tX\t1\t\t";
    }

    void nextYearGoesOnWhereThisOneEnds()
    {
        QFETCH(QString, fields);
        QFETCH(QString, carried);
        BudgetDocument document;
        RecurringFixture::fill(document, 2026, {fields});
        const DocumentSnapshot next = NewYearBudget::from(document, QStringLiteral("household-2026.txt"));
        const QList<ExtensionRecord> records = next.extensions.recordsOf(ExtensionKind::kRecurring);
        QCOMPARE(records.isEmpty() ? QString() : records.first().fields.join(u'\t'), carried);
    }

    void theCarriedRuleGivesTheDatesTheOldOneWould()
    {
        BudgetDocument document;
        RecurringFixture::fill(document, 2026, {u"20251031\tFREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=31;COUNT=20\tafter\tauto\tRent\tX\t1\t\t"_qs});
        const RecurrenceRule old = RecurringRecords::read(document)[0].transaction->rule;
        BudgetDocument next;
        DocumentSetup::restore(next, NewYearBudget::from(document, QStringLiteral("household-2026.txt")));
        const RecurrenceRule carried = RecurringRecords::read(next)[0].transaction->rule;
        const QDate from(2027, 1, 1);
        const QDate to(2028, 12, 31);
        QCOMPARE(datesOf(carried.between(from, to)), datesOf(old.between(from, to)));
        // October to December 2025 and the twelve of 2026 are behind it.
        QCOMPARE(datesOf(carried.between(from, to)).size(), 20 - 3 - 12);
    }

    void editsAreOneStepEach()
    {
        BudgetDocument document;
        RecurringFixture::fill(document, 2026, {kRent});
        DocumentEditing editing(document);
        const auto look = [&] { return BudgetFileWriter::buildData(document); };
        RecurringTransaction changed = *RecurringRecords::read(document)[0].transaction;
        changed.amount = QStringLiteral("850,00");
        changed.estimate = true;
        {
            RecordedSteps steps;
            editing.setChangeLog(&steps);
            const QByteArray before = look();
            QVERIFY(editing.recurring().replace(0, changed, QLocale(QLocale::German)).isChanged());
            QVERIFY(steps.undoesAndRedoes(QStringLiteral("Edit Recurring Transaction"), look, before));
            QCOMPARE(RecurringRecords::read(document)[0].record.field(RecurringField::Amount), u"~850.00"_qs);
        }
        {
            RecordedSteps steps;
            editing.setChangeLog(&steps);
            const QByteArray before = look();
            QVERIFY(editing.recurring().remove(0).isChanged());
            QVERIFY(steps.undoesAndRedoes(QStringLiteral("Delete Recurring Transaction"), look, before));
        }
        changed.category = QStringLiteral("Gym");
        QCOMPARE(editing.recurring().add(changed).message, u"Choose the category the transaction goes into."_qs);
        changed.category = QStringLiteral("Rent");
        changed.amount = QStringLiteral("lots");
        QVERIFY(editing.recurring().add(changed).isRefused());
    }

    void aRenamedCategoryTakesItsRecurringTransactions()
    {
        BudgetDocument document;
        RecurringFixture::fill(document, 2026, {kRent});
        DocumentEditing editing(document);
        QVERIFY(DocumentWriter(document).renameCategory(document.rowOfCategory(QStringLiteral("Rent")),
                                                        QStringLiteral("Home")));
        const QList<RecurringItem> items = RecurringRecords::read(document);
        QVERIFY(!items[0].isBroken());
        QCOMPARE(items[0].transaction->category, u"Home"_qs);
    }

    void patternsAreSaidAndWrittenAsPeopleSayThem_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("said");
        QTest::newRow("monthly") << "FREQ=MONTHLY;INTERVAL=1;BYMONTHDAY=31" << "20260131" << "monthly on day 31";
        QTest::newRow("last day") << "FREQ=MONTHLY;INTERVAL=2;BYMONTHDAY=-1;COUNT=3" << "20260131"
                                  << "every 2 months on the last day, 3 times";
        QTest::newRow("weeks") << "FREQ=WEEKLY;INTERVAL=2" << "20260105" << "every 2 weeks";
        QTest::newRow("yearly") << "FREQ=YEARLY;UNTIL=20300101" << "20260314" << "yearly on 14 March, until 1/1/30";
        QTest::newRow("other rules as written") << "FREQ=MONTHLY;BYDAY=1MO" << "20260105" << "FREQ=MONTHLY;BYDAY=1MO";
    }

    void patternsAreSaidAndWrittenAsPeopleSayThem()
    {
        QFETCH(QString, rule);
        QFETCH(QString, start);
        QFETCH(QString, said);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QDate first = RecurrenceRule::dateOf(start);
        QCOMPARE(RecurrencePattern::describe(rule, first), said);
        if (const std::optional<RecurrencePattern> pattern = RecurrencePattern::ofRRule(rule, first))
            QCOMPARE(pattern->rrule(first), rule);
    }
};

QTEST_GUILESS_MAIN(TestRecurring)
#include "tst_recurring.moc"
