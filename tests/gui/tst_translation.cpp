#include "AppFixture.h"

#include "app/DesktopCommands.h"
#include "charts/BudgetChartsWindow.h"
#include "dialogs/voAboutWinCtrl.h"
#include "dialogs/voPrefWindowCtrl.h"
#include "dialogs/voProgressWinController.h"
#include "editing/DocumentEditing.h"
#include "document/DocumentSnapshot.h"
#include "find/FindTransactionsDialog.h"
#include "import/ImportPreviewDialog.h"
#include "import/ImportSettings.h"
#include "platform/QtAlerts.h"
#include "platform/Translations.h"
#include "register/voCategoryEditWinCtrl.h"
#include "register/voEnvelopeWinController.h"
#include "safety/RestoreBackupDialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

/// Words that German writes as English does.
const QStringList kSameInGerman{"OK", "Budget", "Budget:", "Orrinwick", "Orrinwick Household Software",
                                "Jan", "Feb", "Apr", "Jun", "Jul", "Aug", "Sep", "Nov",
                                "April", "August", "September", "November"};

/// Every text a user reads in the window, its menus and its tables' titles,
/// in an order that is the same for every build of the window.
QStringList shownTexts(QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (QMenu *menu : window.findChildren<QMenu *>())
        emit menu->aboutToShow(); // menus that fill themselves when opened
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    // The menu bar's overflow button repeats the menus that do not fit,
    // fewer in the language with the shorter words.
    const auto *overflow = window.findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
    for (QWidget *widget : widgets) {
        if (overflow && (widget == overflow || widget == overflow->menu()))
            continue;
        texts << widget->accessibleName() << widget->toolTip();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
        if (auto *tabs = qobject_cast<QTabWidget *>(widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab) << tabs->tabToolTip(tab);
        }
        if (auto *view = qobject_cast<QAbstractItemView *>(widget); view && view->model()) {
            for (int column = 0; column < view->model()->columnCount(); ++column)
                texts << view->model()->headerData(column, Qt::Horizontal).toString();
        }
        for (QAction *action : widget->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

/// A window of the program and what keeps it alive.
struct Window
{
    AppFixture fixture;
    std::unique_ptr<DesktopCommands> commands;
    std::unique_ptr<ImportSettings> importSettings; // outlives the import preview
    std::unique_ptr<QWidget> own;
    QWidget *shown = nullptr;
};

void build(Window &window, const QString &name)
{
    AppFixture &fixture = window.fixture;
    fixture.knownVersion().settings->setValue(Settings::kDataFile, fixture.sampleCopy());
    MyDataSource &app = fixture.start();
    BudgetDocument &document = app.document();
    if (name == u"main window") {
        window.commands = std::make_unique<DesktopCommands>(app, fixture.panels, fixture.alerts);
        app.mainWindow().tabView()->setCurrentIndex(1);
        window.shown = &app.mainWindow();
    } else if (name == u"preferences") {
        window.own = std::make_unique<voPrefWindowCtrl>(*fixture.settings);
    } else if (name == u"about") {
        auto about = std::make_unique<voAboutWinCtrl>();
        about->setTitle(voAboutWinCtrl::kPublisherName, voAboutWinCtrl::aboutMessage(app.version()));
        window.own = std::move(about);
    } else if (name == u"envelope editor") {
        auto editor = std::make_unique<voEnvelopeWinController>(app.edits(), fixture.alerts);
        editor->openMonth(2, &app.mainWindow());
        window.own = std::move(editor);
    } else if (name == u"category editor") {
        window.own = std::make_unique<voCategoryEditWinCtrl>(app.edits(), fixture.alerts);
    } else if (name == u"progress") {
        window.own = std::make_unique<voProgressWinController>();
    } else if (name == u"charts") {
        window.own = std::make_unique<BudgetChartsWindow>(document);
    } else if (name == u"import preview") {
        window.importSettings = std::make_unique<ImportSettings>(*fixture.settings);
        window.own = std::make_unique<ImportPreviewDialog>(
            StatementSource::open(QStringLiteral(ORRINWICK_TEST_DATA "/import/statement-comma.csv")), document,
            *window.importSettings, fixture.alerts, QString());
    } else if (name == u"find") {
        window.own = std::make_unique<FindTransactionsDialog>([&document] { return DocumentSnapshot::take(document); });
    } else if (name == u"restore from backup") {
        const QFileInfo sample(fixture.settings->dataFile());
        window.own = std::make_unique<RestoreBackupDialog>(
            QList<BackupStore::Version>{{sample.filePath(), sample.lastModified(), sample.size()}}, false);
    }
    if (!window.shown)
        window.shown = window.own.get();
}

/// The texts of the named window, built anew with the translation for `locale`.
QStringList textsIn(const QLocale &locale, const QString &name)
{
    Translations::install(locale);
    QLocale::setDefault(locale);
    Window window;
    build(window, name);
    QStringList texts = shownTexts(*window.shown);
    // The data file's path and name (the title, the recent files) are the
    // same in every language.
    const QString path = window.fixture.settings->dataFile();
    texts.replaceInStrings(path, QString()).replaceInStrings(QFileInfo(path).fileName(), QString());
    return texts;
}

/// The texts of an alert with OK and Cancel, in `locale`.
QStringList alertTexts(const QLocale &locale)
{
    Translations::install(locale);
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texts = shownTexts(*box);
            box->reject();
        }
    });
    (void)QtAlerts().confirm(Alerts::warningTitle(), QStringLiteral("12.50"), Alerts::Button::Cancel);
    return texts;
}

/// Texts left in English: the same in both lists though they hold a word.
QStringList untranslated(const QStringList &english, const QStringList &german)
{
    if (english.size() != german.size())
        return {QStringLiteral("the window differs in German: %1 texts, not %2").arg(german.size()).arg(english.size())};
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
    QStringList left;
    for (qsizetype i = 0; i < english.size(); ++i) {
        const QString plain = QString(english[i]).remove(u'&').remove(u'…');
        if (english[i] == german[i] && english[i].contains(word) && !kSameInGerman.contains(plain))
            left << english[i];
    }
    left.removeDuplicates();
    return left;
}

QString helpText(const QByteArray &language)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QString::fromLatin1(language));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.remove(QStringLiteral("LC_ALL"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORRINWICK_BINARY), {QStringLiteral("--help")});
    program.waitForFinished(30000);
    return QString::fromUtf8(program.readAllStandardOutput());
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void cleanup()
    {
        Translations::install(QLocale::c());
        QLocale::setDefault(QLocale::c());
    }

    void windowsSpeakGerman_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"main window", "preferences", "about", "envelope editor", "category editor",
                                   "progress", "charts", "import preview", "find", "restore from backup"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }

    void windowsSpeakGerman()
    {
        QFETCH(QString, window);
        const QStringList english = textsIn(QLocale::c(), window);
        QVERIFY(english.join(QString()).contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}"))));
        const QStringList german = textsIn(QLocale(QLocale::German, QLocale::Germany), window);
        const QStringList left = untranslated(english, german);
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("left in English: ") + left.join(QStringLiteral(" | "))));
    }

    void alertButtonsSpeakGerman()
    {
        const QStringList english = alertTexts(QLocale::c());
        QVERIFY(english.contains(QStringLiteral("Cancel")));
        const QStringList left = untranslated(english, alertTexts(QLocale(QLocale::German, QLocale::Germany)));
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("left in English: ") + left.join(QStringLiteral(" | "))));
    }

    void helpSpeaksGerman()
    {
        // Lines of the usage synopsis hold only the program's name and its
        // options; every line with a word of its own must change.
        const QStringList english = helpText("C").split(u'\n');
        const QStringList german = helpText("de_DE.UTF-8").split(u'\n');
        QCOMPARE(german.size(), english.size());
        static const QRegularExpression word(QStringLiteral("(?<![\\w-])(?!orrinwick)[a-z]{3,}"));
        QStringList left;
        for (qsizetype i = 0; i < english.size(); ++i) {
            if (english[i] == german[i] && english[i].contains(word))
                left << english[i];
        }
        QVERIFY2(left.isEmpty(), qPrintable(QStringLiteral("left in English: ") + left.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
