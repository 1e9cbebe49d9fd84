#include "platform/MoneyDisplay.h"

#include <QTest>

class MoneyDisplayTest : public QObject
{
    Q_OBJECT

private slots:
    void writesStoredAmountsTheLocalesWay_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("C keeps the stored form") << "C" << "-1234.5" << "-1234.5";
        QTest::newRow("English groups thousands") << "en_US" << "1234567.25" << "1,234,567.25";
        QTest::newRow("German point and comma") << "de_DE" << "-1234.5" << "-1.234,5";
        QTest::newRow("German cents only") << "de_DE" << "0.07" << "0,07";
        QTest::newRow("minus below one keeps its sign") << "de_DE" << "-0.5" << "-0,5";
        QTest::newRow("whole amount") << "de_DE" << "2600" << "2.600";
        QTest::newRow("digits stay as stored") << "de_DE" << "12.500" << "12,500";
        QTest::newRow("Swiss apostrophe") << "de_CH" << "1234.50" << "1’234.50";
        QTest::newRow("Indian grouping") << "en_IN" << "1234567.5" << "12,34,567.5";
        QTest::newRow("too long to group") << "de_DE" << "1234567890123456789012.5" << "1234567890123456789012,5";
        QTest::newRow("no number stays as typed") << "de_DE" << "12abc" << "12abc";
        QTest::newRow("point without digits stays") << "de_DE" << ".5" << ".5";
        QTest::newRow("empty") << "de_DE" << "" << "";
    }

    void writesStoredAmountsTheLocalesWay()
    {
        QFETCH(QString, locale);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(MoneyDisplay::format(stored, QLocale(locale)), shown);
    }
};

QTEST_GUILESS_MAIN(MoneyDisplayTest)
#include "tst_moneydisplay.moc"
