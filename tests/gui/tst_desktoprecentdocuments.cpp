#include "platform/DesktopRecentDocuments.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class DesktopRecentDocumentsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir _home;

    QString listPath() const { return _home.filePath(QStringLiteral("recently-used.xbel")); }

private slots:
    void initTestCase()
    {
        // GLib reads the data folder once, so it must point into the temporary home before the first use.
        QVERIFY(_home.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(_home.path()));
    }

    void aLoadedFileAppearsInTheDesktopListWithOurType()
    {
        const QString budget = _home.filePath(QStringLiteral("my budget ü.txt"));
        DesktopRecentDocuments().noteNewRecentDocument(budget);

        QFile list(listPath());
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QString xml = QString::fromUtf8(list.readAll());
        QVERIFY(xml.contains(QUrl::fromLocalFile(budget).toString(QUrl::FullyEncoded)));
        QVERIFY(xml.contains(QLatin1String(DesktopRecentDocuments::kMimeType)));
        QVERIFY(xml.contains(QStringLiteral("Orrinwick")));
    }

    void entriesOfOtherProgramsStay()
    {
        DesktopRecentDocuments recents;
        recents.noteNewRecentDocument(_home.filePath(QStringLiteral("first.txt")));
        recents.noteNewRecentDocument(_home.filePath(QStringLiteral("second.txt")));

        QFile list(listPath());
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QString xml = QString::fromUtf8(list.readAll());
        QVERIFY(xml.contains(QStringLiteral("first.txt")));
        QVERIFY(xml.contains(QStringLiteral("second.txt")));
        QVERIFY(xml.contains(QStringLiteral("my%20budget")));
    }
};

QTEST_GUILESS_MAIN(DesktopRecentDocumentsTest)
#include "tst_desktoprecentdocuments.moc"
