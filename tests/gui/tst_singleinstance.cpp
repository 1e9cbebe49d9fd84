#include "platform/SingleInstance.h"

#include <QSignalSpy>
#include <QTest>

#include <chrono>
#include <future>

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private:
    static QString uniqueName(const char *what)
    {
        return QStringLiteral("orrinwick-test-%1-%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(what));
    }

private slots:
    void withNobodyRunningTheStartKeepsItsFile()
    {
        const SingleInstance second(uniqueName("none"));
        QVERIFY(!second.handOver(QStringLiteral("/tmp/budget.txt")));
    }

    void aSecondStartHandsItsFileToTheRunningProgram()
    {
        SingleInstance running(uniqueName("handover"));
        QVERIFY(running.listen());
        QSignalSpy opened(&running, &SingleInstance::openRequested);
        QSignalSpy raised(&running, &SingleInstance::raiseRequested);

        // The second start blocks on its socket, so it runs beside this event loop.
        const QString path = QStringLiteral("/home/me/Budget 2026 ü.txt");
        std::future<bool> handedOver = std::async(std::launch::async, [&] { return SingleInstance(uniqueName("handover")).handOver(path); });
        QTRY_COMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toString(), path);
        QCOMPARE(raised.size(), 1);
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
    }

    void aStartWithoutFileOnlyRaisesTheWindow()
    {
        SingleInstance running(uniqueName("raise"));
        QVERIFY(running.listen());
        QSignalSpy opened(&running, &SingleInstance::openRequested);
        QSignalSpy raised(&running, &SingleInstance::raiseRequested);
        std::future<bool> handedOver = std::async(std::launch::async, [&] { return SingleInstance(uniqueName("raise")).handOver(QString()); });
        QTRY_COMPARE(raised.size(), 1);
        QTRY_VERIFY(handedOver.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(handedOver.get());
        QCOMPARE(opened.size(), 0);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
