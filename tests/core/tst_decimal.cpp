#include "document/Decimal.h"

#include <QTest>

class TestDecimal : public QObject
{
    Q_OBJECT

private slots:
    void readsTheLeadingNumber_data();
    void readsTheLeadingNumber();
    void sumsStayExact_data();
    void sumsStayExact();
    void differencesStayExact_data();
    void differencesStayExact();
    void comparesByValue_data();
    void comparesByValue();
};

void TestDecimal::readsTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortest");

    QTest::newRow("trailing zero dropped") << "45.10" << "45.1";
    QTest::newRow("zero fraction dropped") << "800.00" << "800";
    QTest::newRow("zero") << "0" << "0";
    QTest::newRow("zero with fraction") << "0.000" << "0";
    QTest::newRow("negative zero") << "-0" << "0";
    QTest::newRow("negative zero with fraction") << "-0.00" << "0";
    QTest::newRow("number then letters") << "12abc" << "12";
    QTest::newRow("empty") << "" << "0";
    QTest::newRow("letters") << "abc" << "0";
    QTest::newRow("leading space") << " 7.5" << "7.5";
    QTest::newRow("no integer digits") << "-.5" << "-0.5";
    QTest::newRow("plus sign") << "+3" << "3";
    QTest::newRow("sign alone") << "-" << "0";
    QTest::newRow("point alone") << "." << "0";
    QTest::newRow("second point ends it") << "1.2.3" << "1.2";
    QTest::newRow("trailing point") << "12." << "12";
    QTest::newRow("leading zeros") << "007.50" << "7.5";
    QTest::newRow("comma is not a point") << "12,50" << "12";
    QTest::newRow("exponent is not read") << "1e3" << "1";
    QTest::newRow("small fraction") << "0.000001" << "0.000001";
    QTest::newRow("largest 64-bit") << "9223372036854775807" << "9223372036854775807";
    QTest::newRow("beyond 64 bits") << "123456789012345678901234567890" << "123456789012345678901234567890";
    QTest::newRow("long fraction") << "0.12345678901234567890123" << "0.12345678901234567890123";
    QTest::newRow("long negative with zeros") << "-98765432109876543210.5000000000000000000000"
                                              << "-98765432109876543210.5";
}

void TestDecimal::readsTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, shortest);
    QCOMPARE(Decimal::fromText(text).toText(), shortest);
}

void TestDecimal::sumsStayExact_data()
{
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<QString>("sum");

    QTest::newRow("tenths that binary cannot hold") << QStringList{"0.1", "0.2"} << "0.3";
    QTest::newRow("different scales") << QStringList{"45.10", "20"} << "65.1";
    QTest::newRow("cancelling to zero") << QStringList{"12.5", "-12.50"} << "0";
    QTest::newRow("refunds") << QStringList{"-10", "-2.5"} << "-12.5";
    QTest::newRow("past the 64-bit limit") << QStringList{"9223372036854775807", "1"} << "9223372036854775808";
    QTest::newRow("below the 64-bit limit") << QStringList{"-9223372036854775807", "-2"} << "-9223372036854775809";
    QTest::newRow("long amounts") << QStringList{"99999999999999999999999999.99", "0.01"}
                                  << "100000000000000000000000000";
    QTest::newRow("scale past 18 digits") << QStringList{"1.0000000000000000001", "1"} << "2.0000000000000000001";
    QTest::newRow("a long one among short ones")
        << QStringList{"1.5", "123456789012345678901234567890.25", "2.25", "-123456789012345678901234567890"} << "4";
    QTest::newRow("leading numbers of messy text") << QStringList{"3abc", "", "x", " 2.5"} << "5.5";
}

void TestDecimal::sumsStayExact()
{
    QFETCH(QStringList, terms);
    QFETCH(QString, sum);
    Decimal total;
    for (const QString &term : terms)
        total += Decimal::fromText(term);
    QCOMPARE(total.toText(), sum);
    Decimal viaPlus;
    for (const QString &term : terms)
        viaPlus = viaPlus + Decimal::fromText(term);
    QCOMPARE(viaPlus.toText(), sum);
}

void TestDecimal::differencesStayExact_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("difference");

    QTest::newRow("remain of the worked example") << "2500" << "865.1" << "1634.9";
    QTest::newRow("envelope overspent") << "300" << "345.10" << "-45.1";
    QTest::newRow("equal") << "800" << "800.000" << "0";
    QTest::newRow("from the smallest 64-bit value")
        << "-9223372036854775808" << "1" << "-9223372036854775809";
    QTest::newRow("huge minus huge") << "100000000000000000000000" << "99999999999999999999999.99" << "0.01";
}

void TestDecimal::differencesStayExact()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, difference);
    QCOMPARE((Decimal::fromText(a) - Decimal::fromText(b)).toText(), difference);
    Decimal inPlace = Decimal::fromText(a);
    inPlace -= Decimal::fromText(b);
    QCOMPARE(inPlace.toText(), difference);
}

void TestDecimal::comparesByValue_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");

    QTest::newRow("same value, other scale") << "1.50" << "1.5" << 0;
    QTest::newRow("numeric, not text order") << "9" << "10" << -1;
    QTest::newRow("negative below zero") << "-0.01" << "0" << -1;
    QTest::newRow("beyond 64 bits") << "100000000000000000000" << "99999999999999999999.9" << 1;
    QTest::newRow("negative zero equals zero") << "-0" << "0" << 0;
}

void TestDecimal::comparesByValue()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    const Decimal x = Decimal::fromText(a);
    const Decimal y = Decimal::fromText(b);
    QCOMPARE(x.compare(y), order);
    QCOMPARE(y.compare(x), -order);
    QCOMPARE(x == y, order == 0);
    QCOMPARE(x < y, order < 0);
}

QTEST_APPLESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
