#include "DocumentFixtures.h"
#include "FileContents.h"
#include "ProgramRun.h"
#include "TagFixture.h"

#include "document/BudgetFileWriter.h"
#include "document/DocumentSnapshot.h"
#include "tags/NoteTags.h"
#include "tags/TagTotals.h"
#include "year/MoneyText.h"
#include "year/TransactionQuery.h"
#include "year/TransactionSearch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTags : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(_home.isValid());
        QVERIFY(_files.isValid());
    }

    void findsTheTagsOfANote_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QStringList>("tags");
        QTest::newRow("none") << "" << QStringList{};
        QTest::newRow("one") << "#holiday" << QStringList{"#holiday"};
        QTest::newRow("among words and punctuation") << "dinner (#holiday), #birthday!"
                                                     << QStringList{"#holiday", "#birthday"};
        QTest::newRow("letters, digits, dash and underscore") << "#trip-2026_b." << QStringList{"#trip-2026_b"};
        QTest::newRow("lower case, each once") << "#Trip #TRIP #trip" << QStringList{"#trip"};
        QTest::newRow("after a letter: none") << "No#5" << QStringList{};
        QTest::newRow("after a digit: none") << "flat 3#b" << QStringList{};
        QTest::newRow("after a dot or an apostrophe") << "end.#a x'#b" << QStringList{"#a", "#b"};
        QTest::newRow("a lone mark") << "# and #" << QStringList{};
        QTest::newRow("a mark ends a tag") << "#a#b" << QStringList{"#a"};
        QTest::newRow("a mark before a mark") << "##a" << QStringList{"#a"};
        QTest::newRow("at the end of a line") << "x\n#a\r\n" << QStringList{"#a"};
        QTest::newRow("accented") << "#Café #über" << QStringList{"#café", "#über"};
        QTest::newRow("decomposed accent") << QString::fromUtf8("#cafe\xcc\x81!") << QStringList{QString::fromUtf8("#cafe\xcc\x81")};
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("#\xf0\x9d\x92\x9cx")
                                                << QStringList{QString::fromUtf8("#\xf0\x9d\x92\x9cx")};
        QTest::newRow("a symbol ends it") << QString::fromUtf8("#sun\xe2\x98\x80") << QStringList{"#sun"};
    }

    void findsTheTagsOfANote()
    {
        QFETCH(QString, note);
        QFETCH(QStringList, tags);
        QCOMPARE(NoteTags::of(note), tags);
    }

    void findsWhereATypedTagBegins_data()
    {
        QTest::addColumn<QString>("text"); // "|" marks the cursor
        QTest::addColumn<int>("start");
        QTest::newRow("just the mark") << "#|" << 0;
        QTest::newRow("part of a word") << "lunch #hol|" << 6;
        QTest::newRow("inside a word") << "#hol|iday" << 0;
        QTest::newRow("after a letter: none") << "No#|" << -1;
        QTest::newRow("after a space: none") << "#holiday |" << -1;
        QTest::newRow("no mark") << "holiday|" << -1;
        QTest::newRow("at the start") << "|#holiday" << -1;
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("(#\xf0\x9d\x92\x9c|") << 1;
    }

    void findsWhereATypedTagBegins()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        const qsizetype cursor = text.indexOf(u'|');
        text.remove(cursor, 1);
        QCOMPARE(NoteTags::typedTagStart(text, cursor), qsizetype(start));
    }

    void sumsEachTagPerMonthExactly()
    {
        BudgetDocument document;
        TagFixture::fillTaggedYear(document);
        const TagTotals totals = TagTotals::of(DocumentSnapshot::take(document));
        QCOMPARE(totals.tags(), (QStringList{"#ann", "#birthday", "#holiday"}));
        const auto months = [](const TagTotals::Row &row) {
            QStringList texts;
            for (const Decimal &month : row.months)
                texts << month.toText();
            return texts;
        };
        // January 0.1 + 0.2 exactly; July 320 − 12.50, the repeated tag counted once; the envelope left out.
        QCOMPARE(months(totals.rows[2]), (QStringList{"0.3", "0", "0", "0", "0", "0", "307.5", "0", "0", "0", "0", "0"}));
        QCOMPARE(totals.rows[2].total().toText(), QStringLiteral("307.8"));
        QCOMPARE(totals.rows[0].total().toText(), QStringLiteral("8.2"));
        QCOMPARE(totals.rows[1].months[11].toText(), QStringLiteral("8"));
    }

    void sortsTagsAsAReaderWould()
    {
        BudgetDocument document;
        DocumentFixtures::addCategory(document, QStringLiteral("Food"));
        for (const char *note : {"#zoo", "#Äpfel", "#apfel", "#b", "#a-b", "#_"})
            DocumentFixtures::addItem(document, QStringLiteral("Food"), 0, "1", "Shop", "1", QString::fromUtf8(note));
        QCOMPARE(TagTotals::of(DocumentSnapshot::take(document)).tags(),
                 (QStringList{"#_", "#a-b", "#apfel", QString::fromUtf8("#äpfel"), "#b", "#zoo"}));
    }

    void findTakesTagsAndMoreConditions_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("total");
        const QString train = QStringLiteral("1/4 Train"), cafe = QStringLiteral("1/5 Market café");
        const QString hotel = QStringLiteral("7/12 Hotel"), stall = QStringLiteral("7/13 Market stall");
        const QString bakery = QStringLiteral("12/20 Bakery");
        QTest::newRow("a tag") << "#holiday" << QStringList{train, cafe, hotel, stall} << "307.80";
        QTest::newRow("any case") << "#HoliDay" << QStringList{train, cafe, hotel, stall} << "307.80";
        QTest::newRow("tag and word") << "#holiday market" << QStringList{cafe, stall} << "-12.30";
        QTest::newRow("word and tag") << "market #holiday" << QStringList{cafe, stall} << "-12.30";
        QTest::newRow("tag and range") << "#holiday > 100" << QStringList{hotel} << "320.00";
        QTest::newRow("two tags") << "#holiday #ann" << QStringList{cafe} << "0.20";
        QTest::newRow("tag in parentheses") << "#birthday" << QStringList{bakery} << "8.00";
        QTest::newRow("a tag nobody has") << "#work" << QStringList{} << "0.00";
        QTest::newRow("part of a tag is no tag") << "#holi" << QStringList{} << "0.00";
        QTest::newRow("no tag: text as before") << "No#5" << QStringList{QStringLiteral("3/6 Market")} << "45.10";
        QTest::newRow("a lone mark is text") << "# market" << QStringList{} << "0.00";
    }

    void findTakesTagsAndMoreConditions()
    {
        QFETCH(QString, query);
        QFETCH(QStringList, found);
        QFETCH(QString, total);
        BudgetDocument document;
        TagFixture::fillTaggedYear(document);
        TransactionSearch search;
        search.rebuild(DocumentSnapshot::take(document));
        const TransactionSearch::Result result = search.find(TransactionQuery::parse(query));
        QStringList names;
        for (int row : result.rows) {
            const FoundTransaction &item = search.at(row);
            names << QStringLiteral("%1/%2 %3").arg(item.month + 1).arg(item.entry.day, item.entry.desc);
        }
        QCOMPARE(names, found);
        QCOMPARE(moneyText(result.total), total);
    }

    void tagsCommandPrintsOneLinePerTag_data()
    {
        QTest::addColumn<int>("year"); // 0: tagged, 1: a split receipt, 2: no tags
        QTest::addColumn<QByteArrayList>("lines");
        const QByteArray zeros5 = "0\t0\t0\t0\t0";
        QTest::newRow("tags in notes, in any case")
            << 0
            << QByteArrayList{"#ann\t0.2\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t8\t8.2",
                              "#birthday\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t8\t8",
                              "#holiday\t0.3\t" + zeros5 + "\t307.5\t0\t0\t0\t0\t0\t307.8", ""};
        QTest::newRow("each part of a split with its own tags")
            << 1
            << QByteArrayList{"#ann\t0\t0\t0\t0\t20.2\t" + zeros5 + "\t0\t0\t20.2",
                              "#party\t0\t0\t0\t0\t70.2\t" + zeros5 + "\t0\t0\t70.2", ""};
        QTest::newRow("no tags: no lines") << 2 << QByteArrayList{""};
    }

    void tagsCommandPrintsOneLinePerTag()
    {
        QFETCH(int, year);
        QFETCH(QByteArrayList, lines);
        BudgetDocument document;
        if (year == 0) {
            TagFixture::fillTaggedYear(document);
        } else if (year == 1) {
            TagFixture::fillSplitReceipt(document);
        } else {
            DocumentFixtures::addCategory(document, QStringLiteral("Food"));
            DocumentFixtures::addItem(document, QStringLiteral("Food"), 0, "1", "Shop", "5", "No#5");
        }
        const QString path = _files.filePath(QStringLiteral("tagged.txt"));
        QVERIFY(BudgetFileWriter::writeFile(document, path));
        if (year == 1) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append));
            QVERIFY(file.write(TagFixture::kSplitReceiptRecord) > 0);
        }
        const ProgramRun result = run({"--tags", path});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.err, QByteArray());
        QCOMPARE(result.out.split('\n'), lines);
    }

    void tagsCommandSaysWhenTheFileCannotBeRead()
    {
        const ProgramRun missing = run({"--tags", _files.filePath(QStringLiteral("no-such.txt"))});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY2(missing.err.contains("no-such.txt"), missing.err.constData());
        QCOMPARE(missing.out, QByteArray());
        const ProgramRun none = run({"--tags"});
        QCOMPARE(none.exitCode, 2);
    }

private:
    ProgramRun run(const QStringList &arguments) const
    {
        return ProgramRun::start(QStringLiteral(ORRINWICK_BINARY), arguments, _home.path());
    }

    QTemporaryDir _home;
    QTemporaryDir _files;
};

QTEST_GUILESS_MAIN(TestTags)
#include "tst_tags.moc"
