#include "AppFixture.h"

#include "help/Handbook.h"
#include "help/HandbookWindow.h"
#include "help/HelpCommands.h"
#include "register/voCategoryEditWinCtrl.h"
#include "register/voEnvelopeWinController.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

namespace {

QStringList pageNames(const QList<Handbook::Entry> &entries)
{
    QStringList pages;
    for (const Handbook::Entry &entry : entries)
        pages << entry.page;
    return pages;
}

void pressF1(QWidget &window)
{
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == &window ? focus : &window, Qt::Key_F1);
}

} // namespace

class HandbookTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyPageIsInTheContentsInEveryLanguageAndEveryLinkLeadsToOne_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Handbook::languages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyPageIsInTheContentsInEveryLanguageAndEveryLinkLeadsToOne()
    {
        QFETCH(QString, language);
        QVERIFY(Handbook::languages().contains(QStringLiteral("en")));
        QVERIFY(Handbook::languages().contains(QStringLiteral("de")));
        const QStringList contents = pageNames(Handbook::contents(language));
        // The contents of every language list the English pages, in their order.
        QCOMPARE(contents, pageNames(Handbook::contents(QStringLiteral("en"))));
        QVERIFY2(contents.size() >= 11, qPrintable(contents.join(u' ')));
        QStringList files = QDir(QStringLiteral(":/handbook/") + language).entryList({QStringLiteral("*.md")});
        files.replaceInStrings(QStringLiteral(".md"), QString());
        files.removeOne(Handbook::kContentsPage);
        files.sort();
        QStringList listed = contents;
        listed.sort();
        QCOMPARE(listed, files);
        const QStringList every = QStringList(contents) << Handbook::kContentsPage;
        for (const QString &page : every) {
            for (const QString &link : Handbook::linkedPages(page, language))
                QVERIFY2(Handbook::hasPage(link, language), qPrintable(page + QStringLiteral(" → ") + link));
            QTextDocument shown;
            shown.setMarkdown(Handbook::pageText(page, language));
            // A page begins with its title; the translation's note stays hidden.
            QVERIFY2(!shown.toPlainText().startsWith(QStringLiteral("<!--")), qPrintable(page));
            QVERIFY2(shown.toPlainText().size() > 200, qPrintable(page));
        }
    }

    void f1OpensThePageOfTheWindowItIsPressedIn_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("page");
        QTest::newRow("main window") << "main" << "index";
        QTest::newRow("envelope editor") << "EnvelopeWindow" << "envelopes";
        QTest::newRow("category editor") << "CategoryEdit" << "categories";
    }

    void f1OpensThePageOfTheWindowItIsPressedIn()
    {
        QFETCH(QString, window);
        QFETCH(QString, page);
        AppFixture fixture;
        fixture.knownVersion().settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        MyDataSource &app = fixture.start();
        HelpCommands help(app, *fixture.settings);
        std::unique_ptr<QWidget> shown;
        if (window == u"EnvelopeWindow") {
            auto editor = std::make_unique<voEnvelopeWinController>(app.edits(), fixture.alerts, &app.mainWindow());
            editor->openMonth(0, &app.mainWindow());
            shown = std::move(editor);
        } else if (window == u"CategoryEdit") {
            shown = std::make_unique<voCategoryEditWinCtrl>(app.edits(), fixture.alerts, &app.mainWindow());
            shown->show();
        }
        QWidget &pressedIn = shown ? *shown : static_cast<QWidget &>(app.mainWindow());
        pressF1(pressedIn);
        HandbookWindow *handbook = help.handbookWindow();
        QVERIFY(handbook);
        QVERIFY(handbook->isVisible());
        QCOMPARE(handbook->page(), page);
        QCOMPARE(handbook->windowTitle(), QStringLiteral("Orrinwick Handbook"));
        // Over the window it was asked from, so that a modal one lets it take input.
        QCOMPARE(handbook->parentWidget(), &pressedIn);
    }

    void aLinkIsFollowedAndBackAndForwardRetraceIt()
    {
        HandbookWindow handbook(nullptr, QStringLiteral("en"));
        handbook.show();
        handbook.showPage(QStringLiteral("getting-started"));
        QTextBrowser &browser = handbook.browser();
        browser.setFocus();
        // The page's first link is to the budget grid: Tab selects it, Return follows it.
        QTest::keyClick(&browser, Qt::Key_Tab);
        QTest::keyClick(&browser, Qt::Key_Return);
        QCOMPARE(handbook.page(), QStringLiteral("budget-grid"));
        QVERIFY(browser.toPlainText().startsWith(QStringLiteral("The budget grid")));
        auto *back = handbook.findChild<QPushButton *>(QString(), Qt::FindDirectChildrenOnly);
        for (QPushButton *button : handbook.findChildren<QPushButton *>()) {
            if (button->accessibleName() == u"Back")
                back = button;
        }
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(handbook.page(), QStringLiteral("getting-started"));
        browser.forward();
        QCOMPARE(handbook.page(), QStringLiteral("budget-grid"));
        // The contents list follows the page shown.
        QCOMPARE(handbook.pageList().currentItem()->data(Qt::UserRole).toString(), QStringLiteral("budget-grid"));
        handbook.showPage(QStringLiteral("no-such-page"));
        QCOMPARE(handbook.page(), QStringLiteral("index"));
    }

    void theSearchListsThePagesHoldingTheWordsAndMarksThem_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QStringList>("among"); // pages that must be found
        QTest::addColumn<QStringList>("notAmong");
        QTest::newRow("one word") << "en" << "Subversion" << QStringList {"subversion-sync", "getting-started"}
                                  << QStringList {"register", "keyboard"};
        QTest::newRow("two words, any case") << "en" << "carry OVER" << QStringList {"register"}
                                             << QStringList {"envelopes"};
        QTest::newRow("without the accent") << "de" << "Umschlage" << QStringList {"envelopes"}
                                            << QStringList {"subversion-sync"};
        QTest::newRow("nowhere") << "en" << "xylophone" << QStringList {} << QStringList {"index", "register"};
    }

    void theSearchListsThePagesHoldingTheWordsAndMarksThem()
    {
        QFETCH(QString, language);
        QFETCH(QString, words);
        QFETCH(QStringList, among);
        QFETCH(QStringList, notAmong);
        HandbookWindow handbook(nullptr, language);
        handbook.show();
        QTest::keyClicks(&handbook.searchField(), words);
        QStringList listed;
        for (int row = 0; row < handbook.pageList().count(); ++row)
            listed << handbook.pageList().item(row)->data(Qt::UserRole).toString();
        for (const QString &page : among)
            QVERIFY2(listed.contains(page), qPrintable(listed.join(u' ')));
        for (const QString &page : notAmong)
            QVERIFY2(!listed.contains(page), qPrintable(listed.join(u' ')));
        auto *found = handbook.findChild<QLabel *>(QStringLiteral("handbookFound"));
        QVERIFY(found->isVisible());
        QCOMPARE(found->text().startsWith(QStringLiteral("No page")), among.isEmpty());
        if (among.isEmpty())
            return;
        // Choosing a page found shows it with the first word marked.
        handbook.pageList().setCurrentRow(int(listed.indexOf(among.first())));
        QTest::keyClick(&handbook.pageList(), Qt::Key_Return);
        QCOMPARE(handbook.page(), among.first());
        const QString marked = handbook.browser().textCursor().selectedText();
        QCOMPARE(marked.toCaseFolded().left(4), words.section(u' ', 0, 0).toCaseFolded().left(4));
    }
};

QTEST_MAIN(HandbookTest)
#include "tst_handbook.moc"
