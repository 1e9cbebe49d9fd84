#include "document/NumberText.h"
#include "document/TextRules.h"

#include <QTest>

#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void readsWholeNumbers_data();
    void readsWholeNumbers();
    void readsFloatingValues_data();
    void readsFloatingValues();
    void roundCurrencyCutsTowardZero_data();
    void roundCurrencyCutsTowardZero();
    void validDayKeepsOneToThirtyOne_data();
    void validDayKeepsOneToThirtyOne();
    void isValidNumberTellsNumbersFromVersionLines_data();
    void isValidNumberTellsNumbersFromVersionLines();
    void validNumberKeepsNonZeroTextUnchanged_data();
    void validNumberKeepsNonZeroTextUnchanged();
    void urlToFilePathRemovesEveryLocalhostPrefix_data();
    void urlToFilePathRemovesEveryLocalhostPrefix();

    void checkAmountAcceptsOnlyNumbers_data();
    void checkAmountAcceptsOnlyNumbers();
    void checkDayAcceptsOneToThirtyOne_data();
    void checkDayAcceptsOneToThirtyOne();
    void checkedLinesRefuseWhatWouldBreakTheFile_data();
    void checkedLinesRefuseWhatWouldBreakTheFile();
    void checkNoteTurnsTabsIntoSpaces();
    void fileSafeTextNeverShiftsOrHidesALine_data();
    void fileSafeTextNeverShiftsOrHidesALine();
};

void TestNumberText::readsWholeNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("fraction dropped") << "65.1" << 65;
    QTest::newRow("negative fraction toward zero") << "-12.9" << -12;
    QTest::newRow("leading space") << "  42" << 42;
    QTest::newRow("leading tab") << "\t7" << 7;
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("number then letters") << "12abc" << 12;
    QTest::newRow("fraction only") << ".9" << 0;
    QTest::newRow("above int saturates") << "99999999999" << std::numeric_limits<int>::max();
    QTest::newRow("below int saturates") << "-99999999999" << std::numeric_limits<int>::min();
}

void TestNumberText::readsWholeNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(NumberText::intValue(text), value);
}

void TestNumberText::readsFloatingValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("fraction") << "12.50" << 12.5;
    QTest::newRow("fraction only") << "-.5" << -0.5;
    QTest::newRow("exponent") << "1.5e2" << 150.0;
    QTest::newRow("exponent without digits is not read") << "2e" << 2.0;
    QTest::newRow("negative exponent") << "25E-1x" << 2.5;
    QTest::newRow("leading space") << " 7.5" << 7.5;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("tiny underflows to zero") << "1e-999" << 0.0;
    QTest::newRow("tiny without exponent underflows to zero")
        << QStringLiteral("0.%1").arg(QString(400, u'0')) + u'1' << 0.0;
    QTest::newRow("negative tiny without exponent") << QStringLiteral("-0.%1").arg(QString(400, u'0')) + u'1' << 0.0;
    QTest::newRow("long mantissa brought into range by its exponent")
        << QStringLiteral("0.%1").arg(QString(400, u'0')) + QStringLiteral("1e330") << 1e-71;
    QTest::newRow("huge overflows to infinity") << "1e400" << std::numeric_limits<double>::infinity();
    QTest::newRow("huge without exponent") << QStringLiteral("1%1").arg(QString(400, u'0'))
                                           << std::numeric_limits<double>::infinity();
    QTest::newRow("huge with leading zeros in the exponent") << "1e+0000000000000400"
                                                             << std::numeric_limits<double>::infinity();
    QTest::newRow("negative huge") << "-1e400" << -std::numeric_limits<double>::infinity();
}

void TestNumberText::readsFloatingValues()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::doubleValue(text), value);
    QCOMPARE(NumberText::floatValue(text), float(value));
}

void TestNumberText::roundCurrencyCutsTowardZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("45.1") << "45.1" << "45";
    QTest::newRow("-0.5") << "-0.5" << "0";
    QTest::newRow("letters") << "abc" << "0";
    QTest::newRow("2500") << "2500" << "2500";
    QTest::newRow("1634.9 is not rounded up") << "1634.9" << "1634";
    QTest::newRow("-12.9") << "-12.9" << "-12";
    QTest::newRow("0.99") << "0.99" << "0";
    QTest::newRow("empty") << "" << "0";
}

void TestNumberText::roundCurrencyCutsTowardZero()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(NumberText::roundCurrency(text), shown);
}

void TestNumberText::validDayKeepsOneToThirtyOne_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("day");

    QTest::newRow("7") << "7" << "7";
    QTest::newRow("leading zero") << "07" << "7";
    QTest::newRow("zero") << "0" << "1";
    QTest::newRow("32") << "32" << "1";
    QTest::newRow("31") << "31" << "31";
    QTest::newRow("1") << "1" << "1";
    QTest::newRow("negative") << "-3" << "1";
    QTest::newRow("letters") << "abc" << "1";
}

void TestNumberText::validDayKeepsOneToThirtyOne()
{
    QFETCH(QString, text);
    QFETCH(QString, day);
    QCOMPARE(NumberText::validDay(text), day);
}

void TestNumberText::isValidNumberTellsNumbersFromVersionLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");

    QTest::newRow("0") << "0" << true;
    QTest::newRow("0.0") << "0.0" << true;
    QTest::newRow("12") << "12" << true;
    QTest::newRow("12abc") << "12abc" << true;
    QTest::newRow("1200") << "1200" << true;
    QTest::newRow("negative") << "-5" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letters") << "abc" << false;
    QTest::newRow("0.00") << "0.00" << false;
    QTest::newRow("00") << "00" << false;
    QTest::newRow("-0") << "-0" << false;
    QTest::newRow("Ver 1") << "Ver 1" << false;
}

void TestNumberText::isValidNumberTellsNumbersFromVersionLines()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QCOMPARE(NumberText::isValidNumber(text), number);
}

void TestNumberText::validNumberKeepsNonZeroTextUnchanged_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    QTest::newRow("not shortened") << "12.50" << "12.50";
    QTest::newRow("trailing letters kept") << "12abc" << "12abc";
    QTest::newRow("letters") << "abc" << "0";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("0.00") << "0.00" << "0";
    QTest::newRow("-0") << "-0" << "0";
    QTest::newRow("negative") << "-3.5" << "-3.5";
}

void TestNumberText::validNumberKeepsNonZeroTextUnchanged()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(NumberText::validNumber(text), stored);
}

void TestNumberText::urlToFilePathRemovesEveryLocalhostPrefix_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("path");

    QTest::newRow("prefix") << "file://localhost/home/ann/budget.txt" << "/home/ann/budget.txt";
    QTest::newRow("no prefix") << "/home/ann/budget.txt" << "/home/ann/budget.txt";
    QTest::newRow("every occurrence") << "file://localhost/a/file://localhost/b" << "/a//b";
    QTest::newRow("other host kept") << "file://otherhost/a" << "file://otherhost/a";
}

void TestNumberText::urlToFilePathRemovesEveryLocalhostPrefix()
{
    QFETCH(QString, url);
    QFETCH(QString, path);
    QCOMPARE(NumberText::URLToFilePath(url), path);
}

void TestNumberText::checkAmountAcceptsOnlyNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("stored");

    QTest::newRow("plain") << "12.50" << true << "12.50";
    QTest::newRow("comma as point") << "12,50" << true << "12.50";
    QTest::newRow("spaces dropped") << "  7 " << true << "7";
    QTest::newRow("negative") << "-3" << true << "-3";
    QTest::newRow("fraction only") << ".5" << true << ".5";
    QTest::newRow("tab inside") << "12\t5" << false << "";
    QTest::newRow("letters after") << "12abc" << false << "";
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("two points") << "1.2.3" << false << "";
    QTest::newRow("line break") << "12\r\n" << true << "12";
    QTest::newRow("line break inside") << "1\r\n2" << false << "";
}

void TestNumberText::checkAmountAcceptsOnlyNumbers()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, stored);
    const CheckedText checked = TextRules::checkAmount(typed);
    QCOMPARE(checked.ok(), accepted);
    if (accepted)
        QCOMPARE(checked.text, stored);
    else
        QVERIFY(checked.error.contains(typed));
}

void TestNumberText::checkDayAcceptsOneToThirtyOne_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("1") << "1" << true;
    QTest::newRow("31") << "31" << true;
    QTest::newRow("leading zero") << "07" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("32") << "32" << false;
    QTest::newRow("tab inside") << "1\t2" << false;
    QTest::newRow("negative") << "-1" << false;
    QTest::newRow("fraction") << "3.5" << false;
    QTest::newRow("empty") << "" << false;
}

void TestNumberText::checkDayAcceptsOneToThirtyOne()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QCOMPARE(TextRules::checkDay(typed).ok(), accepted);
}

void TestNumberText::checkedLinesRefuseWhatWouldBreakTheFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("plain") << "Market" << true;
    QTest::newRow("non-ASCII") << "Bäckerei ☕" << true;
    QTest::newRow("semicolon inside") << "a;b" << true;
    QTest::newRow("space before semicolon") << " ;b" << true;
    QTest::newRow("leading semicolon") << ";b" << false;
    QTest::newRow("CR LF") << "a\r\nb" << false;
    QTest::newRow("lone LF") << "a\nb" << false;
    QTest::newRow("lone CR") << "a\rb" << false;
}

void TestNumberText::checkedLinesRefuseWhatWouldBreakTheFile()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    for (const CheckedText &checked : {TextRules::checkName(typed), TextRules::checkDescription(typed)}) {
        QCOMPARE(checked.ok(), accepted);
        if (accepted)
            QCOMPARE(checked.text, typed);
    }
    // A note may begin with ";": it never stands first on its line.
    QCOMPARE(TextRules::checkNote(typed).ok(), !typed.contains(u'\n') && !typed.contains(u'\r'));
}

void TestNumberText::checkNoteTurnsTabsIntoSpaces()
{
    const CheckedText checked = TextRules::checkNote(QStringLiteral("a\tb\t"));
    QVERIFY(checked.ok());
    QCOMPARE(checked.text, QStringLiteral("a b "));
}

void TestNumberText::fileSafeTextNeverShiftsOrHidesALine_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("leading semicolon") << ";comment";
    QTest::newRow("CR LF inside") << "a\r\nb";
    QTest::newRow("CR LF at the end") << "a\r\n";
    QTest::newRow("CR LF then semicolon") << "\r\n;x";
    QTest::newRow("CR CR LF LF") << "a\r\r\n\nb";
    QTest::newRow("tab") << "1\t2";
    QTest::newRow("plain") << "Market";
}

void TestNumberText::fileSafeTextNeverShiftsOrHidesALine()
{
    QFETCH(QString, text);
    constexpr auto fileSafeLine = TextRules::fileSafeLine;
    constexpr auto fileSafeField = TextRules::fileSafeField;
    for (const QString &safe : {TextRules::fileSafeText(text), fileSafeLine(text), fileSafeField(text), fileSafeLine(fileSafeField(text))})
        QVERIFY2(!safe.contains(QStringLiteral("\r\n")), qPrintable(safe));
    // Only what starts a line must not start with ";".
    QVERIFY(!fileSafeLine(text).startsWith(u';'));
    QVERIFY(!fileSafeLine(fileSafeField(text)).startsWith(u';'));
    QVERIFY(!fileSafeField(text).contains(u'\t'));
    // Safe text stays safe: the writer may be handed it again.
    QCOMPARE(fileSafeLine(fileSafeLine(text)), fileSafeLine(text));
    QCOMPARE(fileSafeField(fileSafeField(text)), fileSafeField(text));
    if (text == u"Market") {
        QCOMPARE(fileSafeLine(text), text);
        QCOMPARE(fileSafeField(text), text);
    }
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
