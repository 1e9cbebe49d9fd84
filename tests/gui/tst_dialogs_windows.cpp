#include "dialogs/voAboutWinCtrl.h"
#include "dialogs/voPrefWindowCtrl.h"
#include "dialogs/voProgressWinController.h"
#include "platform/ScriptedModalLoop.h"
#include "platform/Settings.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QUrl>

/// Receives the mail links the About window asks the desktop to open.
class MailCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestDialogWindows : public QObject
{
    Q_OBJECT

private:
    template<typename T>
    static T *child(QWidget &window, const char *name)
    {
        return window.findChild<T *>(QString::fromLatin1(name));
    }

private slots:
    void preferencesShowTheSettings_data()
    {
        QTest::addColumn<bool>("sync");
        QTest::addColumn<bool>("runScript");
        QTest::addColumn<bool>("envelope");
        QTest::newRow("defaults") << false << false << false;
        QTest::newRow("all on") << true << true << true;
        QTest::newRow("run script kept while sync is off") << false << true << false;
    }

    void preferencesShowTheSettings()
    {
        QFETCH(bool, sync);
        QFETCH(bool, runScript);
        QFETCH(bool, envelope);
        const auto settings = Settings::inMemory();
        settings->registerDefaults();
        settings->setValue(Settings::kSyncData, sync);
        settings->setValue(Settings::kSvnRunScript, runScript);
        settings->setValue(Settings::kEnvelopeView, envelope);
        voPrefWindowCtrl prefs(*settings);
        QCOMPARE(child<QCheckBox>(prefs, "_syncDataCheckBox")->isChecked(), sync);
        QCOMPARE(child<QCheckBox>(prefs, "_svnRunScript")->isChecked(), runScript);
        QCOMPARE(child<QCheckBox>(prefs, "_svnRunScript")->isEnabled(), sync);
        QVERIFY(child<QCheckBox>(prefs, "_sortDataCheckBox")->isChecked());
        QCOMPARE(child<QRadioButton>(prefs, "envelopeRadio")->isChecked(), envelope);
        QCOMPARE(child<QRadioButton>(prefs, "standardRadio")->isChecked(), !envelope);
        QVERIFY(!settings->hasUserValue(Settings::kSortData)); // showing writes nothing
    }

    void everyChangeIsWrittenAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"mouse", "space key", "accessible toggle", "code"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    void everyChangeIsWrittenAtOnce()
    {
        QFETCH(QString, how);
        const auto settings = Settings::inMemory();
        settings->registerDefaults();
        settings->setValue(Settings::kSvnRunScript, true);
        voPrefWindowCtrl prefs(*settings);
        prefs.show();
        const auto change = [&how](QAbstractButton *control) {
            if (how == u"mouse") {
                QTest::mouseClick(control, Qt::LeftButton);
            } else if (how == u"space key") {
                QTest::keyClick(control, Qt::Key_Space);
            } else if (how == u"accessible toggle") {
                QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
                accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            } else {
                control->setChecked(!control->isChecked() || control->autoExclusive());
            }
        };
        auto *sync = child<QCheckBox>(prefs, "_syncDataCheckBox");
        auto *runScript = child<QCheckBox>(prefs, "_svnRunScript");
        auto *envelope = child<QRadioButton>(prefs, "envelopeRadio");
        auto *standard = child<QRadioButton>(prefs, "standardRadio");

        change(sync);
        QVERIFY(settings->syncData());
        QVERIFY(runScript->isEnabled());
        change(runScript);
        QVERIFY(!settings->svnRunScript());
        change(runScript);
        change(sync);
        // Sync off disables the run-script box and leaves its setting alone.
        QVERIFY(!settings->syncData());
        QVERIFY(!runScript->isEnabled());
        QVERIFY(settings->svnRunScript());

        change(child<QCheckBox>(prefs, "_sortDataCheckBox"));
        QVERIFY(!settings->sortData());
        change(envelope);
        QVERIFY(settings->envelopeView());
        change(envelope);
        QVERIFY(settings->envelopeView());
        QVERIFY(envelope->isChecked());
        change(standard);
        QVERIFY(!settings->envelopeView());
        QVERIFY(settings->hasUserValue(Settings::kEnvelopeView));
        QVERIFY(standard->isChecked());
        QVERIFY(!envelope->isChecked());
    }

    void aboutMessageHasThreeLines()
    {
        QCOMPARE(voAboutWinCtrl::aboutMessage(QStringLiteral("1.2")).split(u'\n'),
                 (QStringList{"Orrinwick 1.2", "", "Email: support@orrinwick.example"}));
    }

    void emailButtonOpensAMailEachTimeAndTheWindowStays()
    {
        MailCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        ScriptedModalLoop loop;
        ModalLoop::Scope scope(loop);
        voAboutWinCtrl about;
        bool openAfterMail = false;
        loop.answer([&openAfterMail](QWidget *window) {
            auto *email = window->findChild<QPushButton *>(QStringLiteral("emailButton"));
            email->click();
            email->click();
            openAfterMail = window->isVisible();
            window->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
        });
        about.showFromTitleBar(nullptr, true);
        about.setTitle(voAboutWinCtrl::kPublisherName, voAboutWinCtrl::aboutMessage(QStringLiteral("1.2")));
        about.startModal();
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QVERIFY(openAfterMail);
        QCOMPARE(catcher.opened,
                 (QList<QUrl>{QUrl("mailto:support@orrinwick.example"), QUrl("mailto:support@orrinwick.example")}));
        QVERIFY(!about.isVisible());
    }

    void progressShowsItsMessageUntilItsOwnerClosesIt()
    {
        ScriptedModalLoop loop;
        ModalLoop::Scope scope(loop);
        QWidget owner;
        owner.setWindowTitle(QStringLiteral("Owner"));
        owner.resize(600, 400);
        owner.show();
        voProgressWinController progress(&owner);
        progress.showFromTitleBar(&owner, true);
        progress.startProgress(QStringLiteral("Performing SVN commit"));
        QCOMPARE(child<QLabel>(progress, "_message")->text(), QStringLiteral("Performing SVN commit"));
        QVERIFY(progress.isVisible());
        QVERIFY(progress.isAnimating());
        // The user cannot end it while the run it stands for goes on.
        QTest::keyClick(&progress, Qt::Key_Escape);
        QVERIFY(!progress.close());
        QVERIFY(progress.isVisible());
        // Until the owner offers Cancel: then the button ends the run, once.
        auto *cancel = child<QPushButton>(progress, "_cancelButton");
        QVERIFY(!cancel->isVisible());
        int cancelled = 0;
        ProgressWindow &window = progress;
        window.offerCancel([&] { ++cancelled; });
        QVERIFY(progress.offersCancel());
        QTest::keyClick(cancel, Qt::Key_Space);
        QTest::mouseClick(cancel, Qt::LeftButton);
        QCOMPARE(cancelled, 1);
        QVERIFY(!progress.offersCancel());
        QVERIFY(progress.isVisible());
        window.closeWindow();
        QVERIFY(!progress.isVisible());
        QVERIFY(loop.titles().isEmpty()); // it never ran modally
        progress.stopProgress();
        QVERIFY(!progress.isAnimating());
    }
};

QTEST_MAIN(TestDialogWindows)
#include "tst_dialogs_windows.moc"
