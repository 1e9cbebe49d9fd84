#include "AppFixture.h"

#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "register/voCheckViewCtrl.h"
#include "register/voCheckViewData.h"

#include <QLineEdit>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

constexpr int kMar = 2;
const QString kEdited = QStringLiteral("Edited in the register");

/// The March descriptions stored in a data file, every category.
QStringList marchDescriptions(const QString &path)
{
    BudgetDocument document;
    document.createCategory(QStringLiteral("Budget"), QStringLiteral("0"));
    document.createCategory(QStringLiteral("Remain"), QStringLiteral("0"));
    document.createCategory(kRowLine, kRowLine);
    BudgetFileReader::loadBytes(document, AppFixture::contents(path), {});
    QStringList descs;
    for (int row = kFirstCategoryRow; row < document.getCatArray().size(); ++row) {
        for (const Entry &entry : *document.entryList(document.getCatArray()[row].desc, kMar))
            descs << entry.desc;
    }
    return descs;
}

} // namespace

class TestRegisterFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void aRegisterEditReachesTheFileThroughEveryFileCommand_data();
    void aRegisterEditReachesTheFileThroughEveryFileCommand();
};

void TestRegisterFiles::aRegisterEditReachesTheFileThroughEveryFileCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("leaveEditorOpen");
    for (const char *command : {"Quit", "Save", "Save As", "Open", "New", "desktop open"}) {
        QTest::addRow("%s", command) << QString::fromLatin1(command) << false;
        QTest::addRow("%s, cell still being edited", command) << QString::fromLatin1(command) << true;
    }
}

void TestRegisterFiles::aRegisterEditReachesTheFileThroughEveryFileCommand()
{
    QFETCH(QString, command);
    QFETCH(bool, leaveEditorOpen);

    AppFixture fixture;
    const QString path = fixture.sampleCopy();
    const QString other = fixture.sampleCopy(QStringLiteral("other.txt"));
    fixture.knownVersion().settings->setValue(Settings::kDataFile, path);
    MyDataSource &app = fixture.start();
    QVERIFY(fixture.alerts.shown().isEmpty());
    QVERIFY(!marchDescriptions(path).contains(kEdited));

    // The register opens on the calendar's March; rename its first record
    // by typing into the description cell.
    app.mainWindow().tabView()->setCurrentIndex(1);
    auto *table = app.checkView().findChild<QTableView *>(QStringLiteral("_ourTableView"));
    QVERIFY(table->model()->rowCount() > 0);
    const QModelIndex cell
        = table->model()->index(0, int(voCheckViewData::columnIds().indexOf(QStringLiteral("desc"))));
    const QPoint centre = table->visualRect(cell).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    auto *editor = qobject_cast<QLineEdit *>(table->indexWidget(cell));
    QVERIFY(editor);
    QTest::keyClicks(editor, kEdited);
    if (!leaveEditorOpen) {
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(cell.data().toString(), kEdited);
    }

    QString saved = path;
    if (command == u"Quit") {
        app.menuQuit();
        QCOMPARE(fixture.terminated->size(), 1);
    } else if (command == u"Save") {
        app.menuSave();
    } else if (command == u"Save As") {
        saved = fixture.folder.filePath(QStringLiteral("copy.txt"));
        fixture.panels.answer({saved});
        app.menuSaveAs();
    } else if (command == u"Open") {
        fixture.panels.answer({other});
        app.menuOpenFile();
        QCOMPARE(app.dataFileName(), other);
    } else if (command == u"New") {
        fixture.panels.answer({fixture.folder.filePath(QStringLiteral("new.txt"))});
        app.menuNewFile();
    } else {
        app.openFile(other);
        QCOMPARE(app.dataFileName(), other);
    }

    QCOMPARE(app.mainWindow().tabView()->currentIndex(), 0);
    QVERIFY(fixture.alerts.shown().isEmpty());
    const QStringList descs = marchDescriptions(saved);
    QCOMPARE(descs.count(kEdited), 1);
    QCOMPARE(descs.size(), marchDescriptions(other).size());
}

QTEST_MAIN(TestRegisterFiles)
#include "tst_register_files.moc"
