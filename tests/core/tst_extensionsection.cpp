#include "DocumentFixtures.h"
#include "FileContents.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/BudgetFileWriter.h"
#include "document/DocumentSnapshot.h"
#include "document/ExtensionRecord.h"
#include "editing/DocumentSetup.h"

#include <QTest>

using namespace DocumentFixtures;

namespace {

QByteArray workedExample()
{
    return fileContents(QStringLiteral(ORRINWICK_TEST_DATA "/food-market.txt"));
}

/// The worked example with these lines after its last December block.
QByteArray withSection(const QByteArrayList &lines)
{
    QByteArray bytes = workedExample();
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

void load(BudgetDocument &document, const QByteArray &bytes)
{
    QCOMPARE(BudgetFileReader::loadBytes(document, bytes, {}), BudgetFileReader::LoadResult::Loaded);
}

const QByteArray kHeader = "; ****** ORRINWICK_EXTENSIONS 1 ******";

} // namespace

class TestExtensionSection : public QObject
{
    Q_OBJECT

private slots:
    void everyEscapeComesBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("plain") << "Rent" << "Rent";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("tab") << "a\tb" << "a\\tb";
        QTest::newRow("line end") << "a\r\nb" << "a\\r\\nb";
        QTest::newRow("backslash") << "C:\\x" << "C:\\\\x";
        QTest::newRow("backslash before t") << "\\t" << "\\\\t";
        QTest::newRow("non-ASCII") << "Bäcker €" << "Bäcker €";
    }

    void everyEscapeComesBack()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(ExtensionRecord::escaped(text), escaped);
        QCOMPARE(ExtensionRecord::unescaped(escaped), std::optional<QString>(text));
        const ExtensionRecord record = ExtensionRecord::of(QStringLiteral("note"), {text, text});
        QCOMPARE(ExtensionRecord::fromLine(record.toLine()), std::optional<ExtensionRecord>(record));
    }

    void aLineIsARecordOnlyWithItsMark_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("record");
        QTest::addColumn<bool>("readable");
        QTest::newRow("record") << ";@year\t2026" << true << true;
        QTest::newRow("kind alone") << ";@flag" << true << true;
        QTest::newRow("comment") << "; year 2026" << false << false;
        QTest::newRow("data line") << "@year\t2026" << false << false;
        QTest::newRow("unknown escape") << ";@note\ta\\qb" << true << false;
        QTest::newRow("backslash at the end") << ";@note\ta\\" << true << false;
    }

    void aLineIsARecordOnlyWithItsMark()
    {
        QFETCH(QString, line);
        QFETCH(bool, record);
        QFETCH(bool, readable);
        const std::optional<ExtensionRecord> read = ExtensionRecord::fromLine(line);
        QCOMPARE(read.has_value(), record);
        if (read) {
            QCOMPARE(read->isReadable(), readable);
            QCOMPARE(read->toLine(), line); // kept as it was, readable or not
        }
    }

    void aFileWithRecordsComesBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("year"); // 0: none
        QTest::newRow("no section") << workedExample() << 0;
        QTest::newRow("year") << withSection({kHeader, ";@year\t2026"}) << 2026;
        QTest::newRow("unknown kinds around the year")
            << withSection({kHeader, ";@future\tx\\ty\t", ";@year\t2026", ";@later"}) << 2026;
        QTest::newRow("unreadable record kept") << withSection({kHeader, ";@future\t\\z"}) << 0;
        QTest::newRow("non-ASCII field") << withSection({kHeader, ";@future\tMiete für Mai"}) << 0;
    }

    void aFileWithRecordsComesBackByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, year);
        BudgetDocument document;
        load(document, bytes);
        QCOMPARE(document.extensions().year().value_or(0), year);
        QCOMPARE(BudgetFileWriter::buildData(document), bytes);
        // The records change no figure.
        QCOMPARE(cell(document, "Remain", u"jan"), QStringLiteral("2454.9"));
    }

    void onlyRecordsAfterTheHeaderAreKept_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("kinds");
        QTest::newRow("no header") << withSection({";@year\t2026"}) << QStringList();
        QTest::newRow("plain comments dropped") << withSection({kHeader, "; a remark", ";@year\t2026"})
                                                << QStringList{"year"};
        QTest::newRow("header quoted inside a comment") << withSection({"; see " + kHeader, ";@year\t2026"}) << QStringList();
        QTest::newRow("header at the start") << kHeader + "\r\n;@year\t2026\r\n" + workedExample()
                                             << QStringList{"year"};
    }

    void onlyRecordsAfterTheHeaderAreKept()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, kinds);
        BudgetDocument document;
        load(document, bytes);
        QStringList read;
        for (const ExtensionRecord &record : document.extensions().records())
            read << record.kind;
        QCOMPARE(read, kinds);
        QCOMPARE(categoryNames(document), QStringList{"Food"}); // the data around the section still reads
    }

    void aSectionInTheMiddleLeavesTheDataWhole()
    {
        QByteArray bytes = workedExample();
        const qsizetype december = bytes.indexOf("; ****** [Dec]");
        bytes.insert(december, kHeader + "\r\n;@year\t2026\r\n");
        BudgetDocument document;
        load(document, bytes);
        QCOMPARE(document.extensions().year(), std::optional<int>(2026));
        QCOMPARE(BudgetFileWriter::buildData(document), withSection({kHeader, ";@year\t2026"}));
    }

    void replacingAKindKeepsTheOthersInPlace_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("in place") << QStringList{";@a", ";@year\t2025", ";@b"}
                                  << QStringList{";@a", ";@year\t2027", ";@b"};
        QTest::newRow("appended") << QStringList{";@a"} << QStringList{";@a", ";@year\t2027"};
        QTest::newRow("two become one") << QStringList{";@year\t1", ";@a", ";@year\t2"}
                                        << QStringList{";@year\t2027", ";@a"};
        QTest::newRow("unreadable one stays") << QStringList{";@year\t\\q", ";@year\t2025"}
                                              << QStringList{";@year\t\\q", ";@year\t2027"};
    }

    void replacingAKindKeepsTheOthersInPlace()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, after);
        DocumentExtensions extensions;
        for (const QString &line : lines)
            extensions.append(*ExtensionRecord::fromLine(line));
        extensions.setYear(2027);
        QStringList written;
        for (const ExtensionRecord &record : extensions.records())
            written << record.toLine();
        QCOMPARE(written, after);
    }

    void theYearIsFourDigits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("year"); // 0: none
        QTest::newRow("year") << "2026" << 2026;
        QTest::newRow("two digits") << "26" << 0;
        QTest::newRow("word") << "next" << 0;
        QTest::newRow("spaces") << " 2026" << 0;
        QTest::newRow("sign") << "+202" << 0;
    }

    void theYearIsFourDigits()
    {
        QFETCH(QString, field);
        QFETCH(int, year);
        DocumentExtensions extensions;
        extensions.append(ExtensionRecord::of(QStringLiteral("year"), {field}));
        QCOMPARE(extensions.year().value_or(0), year);
    }

    void aSnapshotCarriesTheRecords()
    {
        BudgetDocument document;
        load(document, withSection({kHeader, ";@year\t2026", ";@future\tx"}));
        const DocumentSnapshot taken = DocumentSnapshot::take(document);
        BudgetDocument other;
        DocumentSetup::restore(other, taken);
        QCOMPARE(other.extensions(), document.extensions());
        QCOMPARE(BudgetFileWriter::buildData(other), BudgetFileWriter::buildData(document));
        // Emptying the document empties its section.
        DocumentSetup::eraseAllData(other);
        QVERIFY(other.extensions().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestExtensionSection)
#include "tst_extensionsection.moc"
