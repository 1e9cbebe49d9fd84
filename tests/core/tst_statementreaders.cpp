#include "import/AmountText.h"
#include "import/CsvStatement.h"
#include "import/DateText.h"
#include "import/QifReader.h"
#include "import/StatementSource.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kStatements = QStringLiteral(ORRINWICK_TEST_DATA "/import/");

/// A line as "date|amount|description|memo", the way the expectations read.
QString shown(const StatementLine &line)
{
    return QStringList{line.date.toString(Qt::ISODate), line.amount, line.description, line.memo}.join(u'|');
}

/// What every test statement holds, signed as banks sign it.
const QStringList kEveryStatement{
    QStringLiteral("2026-04-27|-45.00|Internet|fibre"),     QStringLiteral("2026-05-02|-58.40|Market|weekly shop"),
    QStringLiteral("2026-05-04|-49.00|Bus pass|"),          QStringLiteral("2026-05-05|2150.00|Employer Ltd|salary"),
    QStringLiteral("2026-05-08|-79.15|Power company|electricity"), QStringLiteral("2026-05-12|-23.99|Garden centre|"),
    QStringLiteral("2026-05-15|-18.30|Pharmacy|"),          QStringLiteral("2026-05-20|-14.10|Café Lune|"),
    QStringLiteral("2026-05-22|6.50|Pharmacy|"),            QStringLiteral("2025-12-30|-40.00|Market|"),
};

/// The statement read as the command line reads it: CSV columns from their header names.
StatementRead readAsCommandLine(const StatementSource &source)
{
    ReadChoices choices;
    if (source.format() == StatementFormat::Csv)
        choices.csv = CsvStatement::recognise(source.csvTable()).value_or(CsvMapping());
    return source.read(choices);
}

QByteArray fileBytes(const QString &name)
{
    QFile file(kStatements + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A test OFX statement whose first transaction has the date and the
/// amount given; SGML or XML as the file is.
QByteArray ofxWithFirstTransaction(const QString &name, const QByteArray &date, const QByteArray &amount)
{
    QByteArray bytes = fileBytes(name);
    const auto replaceValue = [&bytes](const QByteArray &element, const QByteArray &value) {
        const qsizetype at = bytes.indexOf('<' + element + '>') + element.size() + 2;
        qsizetype end = at; // the value ends at the next tag or the line's end
        while (end < bytes.size() && bytes[end] != '<' && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        bytes.replace(at, end - at, value);
    };
    replaceValue("DTPOSTED", date);
    replaceValue("TRNAMT", amount);
    return bytes;
}

/// The line of the first transaction's element in a statement.
int lineOf(const QByteArray &bytes, const QByteArray &element)
{
    return int(bytes.first(bytes.indexOf('<' + element + '>')).count('\n')) + 1;
}

} // namespace

class StatementReadersTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFormatGivesTheSameLines_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<StatementFormat>("format");
        QTest::newRow("OFX 1.02 SGML, Windows-1252") << "statement-ofx102.ofx" << StatementFormat::Ofx;
        QTest::newRow("OFX 2.1.1 XML") << "statement-ofx211.ofx" << StatementFormat::Ofx;
        QTest::newRow("QFX credit card") << "statement-creditcard.qfx" << StatementFormat::Ofx;
        QTest::newRow("QIF 5/ 2'26, CR LF, thousands") << "statement-apostrophe.qif" << StatementFormat::Qif;
        QTest::newRow("QIF 05/02/2026 after an account list") << "statement-slash.qif" << StatementFormat::Qif;
        QTest::newRow("QIF 02.05.2026, decimal comma") << "statement-dotted.qif" << StatementFormat::Qif;
        QTest::newRow("QIF 2026-05-02") << "statement-iso.qif" << StatementFormat::Qif;
        QTest::newRow("CSV comma, point, quotes") << "statement-comma.csv" << StatementFormat::Csv;
        QTest::newRow("CSV semicolon, decimal comma, Windows-1252") << "statement-semicolon.csv" << StatementFormat::Csv;
        QTest::newRow("CSV debit and credit columns") << "statement-debit-credit.csv" << StatementFormat::Csv;
    }

    void everyFormatGivesTheSameLines()
    {
        QFETCH(QString, file);
        QFETCH(StatementFormat, format);
        const StatementSource source = StatementSource::open(kStatements + file);
        QVERIFY2(source.ok(), qPrintable(source.error()));
        QCOMPARE(source.format(), format);
        const StatementRead read = readAsCommandLine(source);
        QVERIFY2(read.ok(), qPrintable(source.failureMessage(read)));
        QStringList lines;
        for (const StatementLine &line : read.lines)
            lines << shown(line);
        QCOMPARE(lines, kEveryStatement);
        QVERIFY(!read.dateOrderOpen);
        QVERIFY(read.lines.first().line > 0); // every reader knows where a transaction starts
    }

    void badInputIsRefusedNamingTheLine_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line"); // 0: the message names no line
        QTest::addColumn<QString>("reason");
        const QByteArray whole = fileBytes(QStringLiteral("statement-ofx102.ofx"));
        const auto ofx = [](const char *date, const char *amount) {
            return ofxWithFirstTransaction(QStringLiteral("statement-ofx102.ofx"), date, amount);
        };
        const int dateLine = lineOf(whole, "DTPOSTED");
        const int amountLine = lineOf(whole, "TRNAMT");
        const QByteArray truncated = whole.first(whole.indexOf("<NAME>Power"));
        const QByteArray csvHeader = "Date,Description,Amount\r\n2026-05-02,Market,-58.40\r\n";

        QTest::newRow("photo") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20) << 1 << "does not hold text";
        QTest::newRow("empty") << QByteArray() << 0 << "empty";
        QTest::newRow("blank lines") << QByteArray("\r\n \r\n") << 0 << "empty";
        QTest::newRow("OFX cut short") << truncated << int(truncated.count('\n')) << "incomplete";
        QTest::newRow("OFX header only") << QByteArray("OFXHEADER:100\r\nDATA:OFXSGML\r\n") << 1 << "no <OFX>";
        QTest::newRow("OFX without transactions") << QByteArray("<OFX>\n</OFX>\n") << 0 << "holds no transactions";
        QTest::newRow("OFX date with dashes") << ofx("2026-05-01", "-1.00") << dateLine << "\"2026-05-01\" is not a date";
        QTest::newRow("OFX date day first") << ofx("01/05/2026", "-1.00") << dateLine << "\"01/05/2026\" is not a date";
        QTest::newRow("OFX date without a day") << ofx("202605", "-1.00") << dateLine << "\"202605\" is not a date";
        QTest::newRow("OFX month 13") << ofx("20261301", "-1.00") << dateLine << "\"20261301\" is not a date";
        QTest::newRow("OFX 31 February") << ofx("20260231", "-1.00") << dateLine << "\"20260231\" is not a date";
        QTest::newRow("OFX amount in words") << ofx("20260501", "ten") << amountLine << "\"ten\" is no amount";
        QTest::newRow("OFX amount with two points") << ofx("20260501", "-1.234.56") << amountLine
                                                    << "\"-1.234.56\" is no amount";
        QTest::newRow("CSV quote never closed") << csvHeader + "2026-05-03,\"Bakery,-4.10\r\n2026-05-04,Fuel,-40\r\n"
                                                << 3 << "never closed";
        QTest::newRow("CSV text after a quote") << csvHeader + "2026-05-03,\"Bakery\"s,-4.10\r\n" << 3
                                                << "followed by more text";
        QTest::newRow("CSV date") << csvHeader + "2026-13-45,Bakery,-4.10\r\n" << 3 << "\"2026-13-45\" is not a date";
        QTest::newRow("CSV amount") << csvHeader + "2026-05-03,Bakery,four euros\r\n" << 3 << "\"four euros\" is no amount";
        QTest::newRow("CSV unquoted delimiter within the table")
            << QByteArray("Date,Description,Amount,Balance\r\n2026-05-02,Market,-58.40,990.00\r\n"
                          "2026-05-03,Shop 1,250,-12.00,978.00\r\n2026-05-04,Fuel,-40.00,938.00\r\n")
            << 3 << "has 5 fields where the table has 4. A field that holds the delimiter (\",\") must be in double quotes";
        QTest::newRow("CSV unquoted delimiter in the last row") << csvHeader + "2026-05-03,ACME, Inc.,-99.00\r\n" << 3
                                                                << "must be in double quotes";
        QTest::newRow("CSV unquoted delimiter, every row ending in one, the last named column empty")
            << QByteArray("Date,Description,Amount,Check\n2026-05-02,Market,-58.40,,\n2026-05-03,Shop 1,250,-12.00,,\n"
                          "2026-05-04,Fuel,-40.00,,\n")
            << 3 << "has 6 fields where the table has 5";
        QTest::newRow("CSV unquoted delimiter, every row ending in one")
            << QByteArray("Date,Description,Amount\n2026-05-02,Market,-58.40,\n2026-05-03,ACME, Inc.,-99.00,\n"
                          "2026-05-04,Fuel,-40.00,\n")
            << 3
            << "has 5 fields where the table has 4";
        QTest::newRow("CSV header only") << QByteArray("Date,Description,Amount\r\n") << 0 << "no transactions";
        QTest::newRow("QIF date") << QByteArray("!Type:Bank\nD5/2'26\nT-1.00\n^\nD31/31/2026\nT-2\n^\n") << 5
                                  << "\"31/31/2026\" is not a date";
        QTest::newRow("QIF amount") << QByteArray("!Type:Bank\nD5/2'26\nT1.2.3\n^\n") << 3 << "\"1.2.3\" is no amount";
        QTest::newRow("QIF without amount") << QByteArray("!Type:Bank\n\nD5/2'26\nPMarket\n^\n") << 3 << "no amount";
        QTest::newRow("QIF investments only") << QByteArray("!Type:Invst\nD5/2'26\nT-1\n^\n") << 4
                                              << "no bank, cash or credit card account";
    }

    void badInputIsRefusedNamingTheLine()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("statement")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        const StatementSource source = StatementSource::open(file.fileName());
        const QString message = source.ok() ? source.failureMessage(readAsCommandLine(source)) : source.error();
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("\"statement\" cannot be imported")), qPrintable(message));
        if (line > 0)
            QVERIFY2(message.contains(QStringLiteral("reading stopped at line %1.").arg(line)), qPrintable(message));
        else
            QVERIFY2(!message.contains(QStringLiteral("line")), qPrintable(message));
    }

    void ofxDaysAndAmountsAreTheOnesTheBankWrote_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("date");
        QTest::addColumn<QByteArray>("amount");
        QTest::addColumn<QString>("read"); // "date|amount" of the first line
        const QString sgml = QStringLiteral("statement-ofx102.ofx");
        const QString xml = QStringLiteral("statement-ofx211.ofx");
        QTest::newRow("SGML, late evening west of UTC") << sgml
                                                        << QByteArray("20261231220000[-5:EST]") << QByteArray("-45.00")
                                                        << "2026-12-31|-45.00";
        QTest::newRow("XML, early morning east of UTC") << xml
                                                        << QByteArray("20260501010000[+10]") << QByteArray("-45.00")
                                                        << "2026-05-01|-45.00";
        QTest::newRow("thousands with commas") << sgml << QByteArray("20260501")
                                               << QByteArray("-1,234.56") << "2026-05-01|-1234.56";
        QTest::newRow("thousands with a space") << xml << QByteArray("20260501")
                                                << QByteArray("-12 345.67") << "2026-05-01|-12345.67";
        QTest::newRow("currency sign") << sgml << QByteArray("20260501")
                                       << QByteArray("-$12.50") << "2026-05-01|-12.50";
        QTest::newRow("decimal comma") << sgml << QByteArray("20260501")
                                       << QByteArray("-12,5") << "2026-05-01|-12.5";
        QTest::newRow("more decimals than a double holds") << xml << QByteArray("20260501")
                                                           << QByteArray("-90071992547409.93") << "2026-05-01|-90071992547409.93";
    }

    void ofxDaysAndAmountsAreTheOnesTheBankWrote()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, date);
        QFETCH(QByteArray, amount);
        QFETCH(QString, read);
        QTemporaryDir folder;
        QFile statement(folder.filePath(QStringLiteral("statement.ofx")));
        const QByteArray bytes = ofxWithFirstTransaction(file, date, amount);
        QVERIFY(statement.open(QIODevice::WriteOnly) && statement.write(bytes) == bytes.size());
        statement.close();
        const StatementSource source = StatementSource::open(statement.fileName());
        QVERIFY2(source.ok(), qPrintable(source.error()));
        const StatementRead lines = source.read({});
        QCOMPARE(lines.lines.size(), kEveryStatement.size());
        QCOMPARE(shown(lines.lines.first()).section(u'|', 0, 1), read);
        QCOMPARE(lines.lines.first().line, lineOf(bytes, "STMTTRN"));
    }

    void aFileLargerThanAnyStatementIsNotRead()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("huge.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(200LL * 1024 * 1024)); // sparse: costs no disk
        file.close();
        const StatementSource source = StatementSource::open(file.fileName());
        QVERIFY2(source.error().contains(QStringLiteral("larger than any bank statement")), qPrintable(source.error()));
    }

    void datesReadInTheFormsBanksWrite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<DateOrder>("order");
        QTest::addColumn<QDate>("date"); // invalid: refused
        const QDate eve(2024, 12, 31);
        QTest::newRow("QIF apostrophe") << "12/31'24" << DateOrder::MonthFirst << eve;
        QTest::newRow("QIF padded") << " 1/ 2'24" << DateOrder::MonthFirst << QDate(2024, 1, 2);
        QTest::newRow("slashes, month first") << "12/31/2024" << DateOrder::MonthFirst << eve;
        QTest::newRow("slashes, day first") << "31/12/2024" << DateOrder::DayFirst << eve;
        QTest::newRow("dots are always day first") << "31.12.2024" << DateOrder::MonthFirst << eve;
        QTest::newRow("ISO with a time") << "2024-12-31T23:59:00" << DateOrder::DayFirst << eve;
        QTest::newRow("compact") << "20241231" << DateOrder::MonthFirst << eve;
        QTest::newRow("two-digit year 69") << "12/31/69" << DateOrder::MonthFirst << QDate(2069, 12, 31);
        QTest::newRow("two-digit year 70") << "12/31/70" << DateOrder::MonthFirst << QDate(1970, 12, 31);
        QTest::newRow("time after a space") << "31.12.2024 10:22" << DateOrder::DayFirst << eve;
        QTest::newRow("31 February") << "02/31/2024" << DateOrder::MonthFirst << QDate();
        QTest::newRow("month 31 in the wrong order") << "31/12/2024" << DateOrder::MonthFirst << QDate();
        QTest::newRow("three-digit year") << "12/31/024" << DateOrder::MonthFirst << QDate();
        QTest::newRow("text after the date") << "12/31/2024x" << DateOrder::MonthFirst << QDate();
        QTest::newRow("no date") << "Market" << DateOrder::MonthFirst << QDate();
    }

    void datesReadInTheFormsBanksWrite()
    {
        QFETCH(QString, text);
        QFETCH(DateOrder, order);
        QFETCH(QDate, date);
        QCOMPARE(DateText::parse(text, order).value_or(QDate()), date);
    }

    void theDatesTellTheirOrder_data()
    {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<DateOrder>("order");
        QTest::addColumn<bool>("open");
        QTest::newRow("a day above 12 first") << QStringList{"01/02/2026", "13/02/2026"} << DateOrder::DayFirst << false;
        QTest::newRow("a day above 12 second") << QStringList{"01/02/2026", "02/13/2026"} << DateOrder::MonthFirst << false;
        QTest::newRow("every day 12 or less") << QStringList{"01/02/2026", "12/11/2026"} << DateOrder::MonthFirst << true;
        QTest::newRow("fixed forms only") << QStringList{"2026-01-02", "01.02.2026"} << DateOrder::MonthFirst << false;
    }

    void theDatesTellTheirOrder()
    {
        QFETCH(QStringList, dates);
        QFETCH(DateOrder, order);
        QFETCH(bool, open);
        const DateText::OrderGuess guess = DateText::guessOrder(dates);
        QCOMPARE(guess.order, order);
        QCOMPARE(guess.open, open);
    }

    void qifSplitLinesBecomeTheLinesParts_data()
    {
        QTest::addColumn<QByteArray>("transaction");
        QTest::addColumn<QString>("parts"); // "category|amount|memo", one per part
        QTest::newRow("S, E and $ with a memo per part")
            << QByteArray("SFood\nEbread\n$-60.00\nSHousehold\nEsoap\n$-24.20\n") << "Food|-60.00|bread;Household|-24.20|soap";
        QTest::newRow("$ before E, a part without a memo")
            << QByteArray("SFood\n$-60.00\nEbread\nSHousehold\n$-24.20\n") << "Food|-60.00|bread;Household|-24.20|";
        QTest::newRow("parts that do not add up are read as written")
            << QByteArray("SFood\n$-50\nSHousehold\n$-24.20\n") << "Food|-50|;Household|-24.20|";
        QTest::newRow("a $ with no S is a part without a category")
            << QByteArray("SFood\n$-60.00\n$-24.20\n") << "Food|-60.00|;|-24.20|";
        QTest::newRow("an amount that is none is left empty")
            << QByteArray("SFood\n$sixty\nSHousehold\n$-24.20\n") << "Food||;Household|-24.20|";
        QTest::newRow("no split") << QByteArray("LFood\n") << "";
    }

    void qifSplitLinesBecomeTheLinesParts()
    {
        QFETCH(QByteArray, transaction);
        QFETCH(QString, parts);
        const StatementRead read
            = QifReader::read("!Type:Bank\nD2026-05-03\nT-84.20\nPMarket\n" + transaction + "^\n");
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.lines.size(), 1);
        QStringList shownParts;
        for (const StatementPart &part : read.lines.first().parts)
            shownParts.append(QStringList{part.category, part.amount, part.memo}.join(u'|'));
        QCOMPARE(shownParts.join(u';'), parts);
        QCOMPARE(read.lines.first().amount, QStringLiteral("-84.20"));
    }

    void amountsReadInTheFormsBanksWrite_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("mark");
        QTest::addColumn<QString>("amount"); // null: refused
        QTest::newRow("plain") << "-58.40" << QChar(u'.') << "-58.40";
        QTest::newRow("plus sign") << "+6.50" << QChar(u'.') << "6.50";
        QTest::newRow("thousands") << "-1,234.50" << QChar(u'.') << "-1234.50";
        QTest::newRow("decimal comma") << "-1.234,50" << QChar(u',') << "-1234.50";
        QTest::newRow("trailing minus") << "12,50-" << QChar(u',') << "-12.50";
        QTest::newRow("parentheses") << "(12.50)" << QChar(u'.') << "-12.50";
        QTest::newRow("currency sign") << "€ -12,50" << QChar(u',') << "-12.50";
        QTest::newRow("currency code") << "-12.50 USD" << QChar(u'.') << "-12.50";
        QTest::newRow("apostrophe groups") << "1'234.50" << QChar(u'.') << "1234.50";
        QTest::newRow("space groups") << "1 234,50" << QChar(u',') << "1234.50";
        QTest::newRow("leading zeros, no fraction") << "007" << QChar(u'.') << "7";
        QTest::newRow("minus zero") << "-0.00" << QChar(u'.') << "0.00";
        QTest::newRow("comma read with a point") << "12,50" << QChar(u'.') << QString();
        QTest::newRow("two signs") << "--5" << QChar(u'.') << QString();
        QTest::newRow("two decimal marks") << "1.2.3" << QChar(u'.') << QString();
        QTest::newRow("words") << "four euros" << QChar(u'.') << QString();
        QTest::newRow("sign only") << "-" << QChar(u'.') << QString();
    }

    void amountsReadInTheFormsBanksWrite()
    {
        QFETCH(QString, text);
        QFETCH(QChar, mark);
        QFETCH(QString, amount);
        QCOMPARE(AmountText::parse(text, mark).value_or(QString()), amount);
    }

    void csvTablesAsBanksWriteThem_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("rows"); // rows as "line:cell|cell", separated by " / "
        QTest::addColumn<QString>("encoding");
        QTest::newRow("quoted delimiter and doubled quote")
            << QByteArray("a,b\r\n\"x, y\",\"say \"\"hi\"\"\"\r\n") << "1:a|b / 2:x, y|say \"hi\"" << "UTF-8";
        QTest::newRow("line break inside quotes moves the next line on")
            << QByteArray("a,b\n\"two\nlines\",c\nd,e\n") << "1:a|b / 2:two\nlines|c / 4:d|e" << "UTF-8";
        QTest::newRow("semicolons, with commas inside fields")
            << QByteArray("a;b;c\n1,5;2,5;x\n") << "1:a|b|c / 2:1,5|2,5|x" << "UTF-8";
        QTest::newRow("tabs") << QByteArray("a\tb\n1\t2\n") << "1:a|b / 2:1|2" << "UTF-8";
        QTest::newRow("heading and closing balance left out")
            << QByteArray("Account;123\n\na;b;c\n1;2;3\nBalance;9\n") << "3:a|b|c / 4:1|2|3" << "UTF-8";
        QTest::newRow("a delimiter ending every data row keeps the header")
            << QByteArray("a,b\n1,2,\n3,4,\n") << "1:a|b / 2:1|2| / 3:3|4|" << "UTF-8";
        QTest::newRow("a delimiter ending every data row, the last named column empty")
            << QByteArray("a,b,c\n1,2,,\n3,4,,\n") << "1:a|b|c / 2:1|2|| / 3:3|4||" << "UTF-8";
        QTest::newRow("a heading padded wider than the table left out")
            << QByteArray("Account,123,,,\na,b,c\n1,2,3\n4,5,6\n") << "2:a|b|c / 3:1|2|3 / 4:4|5|6" << "UTF-8";
        QTest::newRow("Windows-1252") << QByteArray("Empf\xe4nger;\x80\n\x84x\x93;y\n") << "1:Empfänger|€ / 2:„x“|y"
                                      << "Windows-1252";
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "a,b\n") << "1:a|b" << "UTF-8";
    }

    void csvTablesAsBanksWriteThem()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, rows);
        QFETCH(QString, encoding);
        const CsvTable table = CsvTable::read(bytes);
        QVERIFY2(table.error().isEmpty(), qPrintable(table.error()));
        QStringList shownRows;
        for (const CsvRow &row : table.rows())
            shownRows << QString::number(row.line) + u':' + row.cells.join(u'|');
        QCOMPARE(shownRows.join(QStringLiteral(" / ")), rows);
        QCOMPARE(table.encoding(), encoding);
    }

    void csvColumnsAreFoundByTheirNames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("found"); // "date,description,memo,amount,debit,credit,comma" or "none"
        QTest::newRow("English") << QByteArray("Date,Payee,Memo,Amount\n2026-05-02,Market,,-5.00\n") << "0,1,2,3,-1,-1,0";
        QTest::newRow("German, decimal comma") << QByteArray("Datum;Name;Betrag (EUR)\n02.05.2026;Markt;-5,00\n")
                                               << "0,1,-1,2,-1,-1,1";
        QTest::newRow("debit and credit") << QByteArray("Booking date,Beneficiary,Debit,Credit\n2026-05-02,M,5.00,\n")
                                          << "0,1,-1,-1,2,3,0";
        QTest::newRow("a delimiter ending every data row")
            << QByteArray("Date,Payee,Amount\n2026-05-02,Market,-5.00,\n2026-05-03,Bakery,-4.10,\n") << "0,1,-1,2,-1,-1,0";
        QTest::newRow("no amount column") << QByteArray("Date,Payee,Balance\n2026-05-02,Market,-5.00\n") << "none";
        QTest::newRow("no header") << QByteArray("2026-05-02,Market,-5.00\n") << "none";
    }

    void csvColumnsAreFoundByTheirNames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, found);
        const std::optional<CsvMapping> mapping = CsvStatement::recognise(CsvTable::read(bytes));
        const QString shownMapping = !mapping ? QStringLiteral("none")
                                              : QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
                                                    .arg(mapping->date)
                                                    .arg(mapping->description)
                                                    .arg(mapping->memo)
                                                    .arg(mapping->amount)
                                                    .arg(mapping->debit)
                                                    .arg(mapping->credit)
                                                    .arg(int(mapping->decimalComma));
        QCOMPARE(shownMapping, found);
    }

    void csvDebitAndCreditColumnsGiveOneAmount_data()
    {
        QTest::addColumn<QString>("cells"); // the debit and the credit
        QTest::addColumn<QString>("amount");
        QTest::newRow("debit") << "10.00," << "-10.00";
        QTest::newRow("debit written negative") << "-10.00," << "-10.00";
        QTest::newRow("credit") << ",5.00" << "5.00";
        QTest::newRow("both: their difference") << "10.00,5.00" << "-5.00";
        QTest::newRow("both, more credit") << "2.5,10.00" << "7.50";
        QTest::newRow("zero debit beside a credit") << "0.00,5.00" << "5.00";
        QTest::newRow("both zero, as an amount of zero") << "0.00,0.00" << "0.00";
    }

    void csvDebitAndCreditColumnsGiveOneAmount()
    {
        QFETCH(QString, cells);
        QFETCH(QString, amount);
        const CsvTable table = CsvTable::read("Date,Payee,Debit,Credit\n2026-05-02,Market," + cells.toUtf8() + '\n');
        const StatementRead read = CsvStatement::read(table, CsvStatement::recognise(table).value_or(CsvMapping()));
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.lines.size(), 1);
        QCOMPARE(read.lines.first().amount, amount);
    }

    void aCsvMappingSurvivesTheSettings()
    {
        CsvMapping mapping;
        mapping.hasHeader = false;
        mapping.date = 2;
        mapping.description = 0;
        mapping.debit = 3;
        mapping.credit = 4;
        mapping.decimalComma = true;
        mapping.dateOrder = DateOrder::DayFirst;
        QCOMPARE(CsvMapping::fromVariant(mapping.toVariant()), mapping);
    }
};

QTEST_GUILESS_MAIN(StatementReadersTest)
#include "tst_statementreaders.moc"
