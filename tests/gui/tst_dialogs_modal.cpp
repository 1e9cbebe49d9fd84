#include "dialogs/voModalWinController.h"
#include "platform/EventModalLoop.h"
#include "platform/ScriptedModalLoop.h"

#include <QTest>
#include <QTimer>

namespace {

/// Counts its closing hook, as the editors do when they save on closing.
class CountingWindow final : public voModalWinController
{
public:
    using voModalWinController::voModalWinController;
    int closings = 0;
    bool loopRunningAtHook = true;
    ModalLoop *loop = nullptr;

protected:
    void windowIsClosing() override
    {
        ++closings;
        if (auto *scripted = dynamic_cast<ScriptedModalLoop *>(loop))
            loopRunningAtHook = scripted->isRunning(this);
    }
};

} // namespace

class TestModalWindow : public QObject
{
    Q_OBJECT

private slots:
    void placementFollowsTheParentFrame_data()
    {
        QTest::addColumn<QRectF>("parent");
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QRectF>("target");
        QTest::addColumn<QRectF>("start");
        QTest::newRow("centred under the title bar")
            << QRectF(100, 100, 800, 600) << QSizeF(300, 200) << QRectF(350, 478, 300, 200)
            << QRectF(350, 578, 300, 100);
        QTest::newRow("wider than the parent reaches past both sides")
            << QRectF(100, 100, 200, 300) << QSizeF(400, 100) << QRectF(0, 278, 400, 100)
            << QRectF(0, 328, 400, 50);
        QTest::newRow("parent at the origin")
            << QRectF(0, 0, 100, 100) << QSizeF(100, 50) << QRectF(0, 28, 100, 50) << QRectF(0, 53, 100, 25);
    }

    void placementFollowsTheParentFrame()
    {
        QFETCH(QRectF, parent);
        QFETCH(QSizeF, size);
        QFETCH(QRectF, target);
        QFETCH(QRectF, start);
        QCOMPARE(voModalWinController::titleBarFrame(parent, size), target);
        QCOMPARE(voModalWinController::growStartFrame(parent, size), start);
        QCOMPARE(voModalWinController::growStartFrame(parent, size).bottom(), target.bottom());
    }

    void screenPlacementPutsTheTopEdgeUnderTheTitleBar()
    {
        // Screen coordinates: y grows downwards, the top edge is y.
        const QRectF parent(100, 100, 800, 600);
        const QRectF placed = voModalWinController::flipped(
            voModalWinController::titleBarFrame(voModalWinController::flipped(parent), QSizeF(300, 200)));
        QCOMPARE(placed, QRectF(350, 122, 300, 200));
    }

    void shownWindowSitsUnderTheParentsTitleBar()
    {
        QWidget parent;
        parent.setWindowTitle(QStringLiteral("Parent"));
        parent.setGeometry(100, 100, 800, 600);
        parent.show();
        voModalWinController window(&parent);
        window.setWindowTitle(QStringLiteral("Child"));
        window.resize(300, 200);
        window.showFromTitleBar(&parent, false);
        QVERIFY(window.isVisible());
        QCOMPARE(window.geometry().size(), QSize(300, 200));
        QCOMPARE(window.geometry().center().x(), parent.frameGeometry().center().x());
        QCOMPARE(window.geometry().top(), parent.frameGeometry().top() + voModalWinController::kTitleBarHeight);
    }

    void closingHookRunsOnceAfterTheRunStopped_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("closeWindow") << 0;
        QTest::newRow("own close control") << 1;
        QTest::newRow("closed twice") << 2;
    }

    void closingHookRunsOnceAfterTheRunStopped()
    {
        QFETCH(int, how);
        ScriptedModalLoop loop;
        ModalLoop::Scope scope(loop);
        CountingWindow window;
        window.setWindowTitle(QStringLiteral("Counting"));
        window.loop = &loop;
        loop.answer([how](QWidget *shown) {
            auto *controller = static_cast<voModalWinController *>(shown);
            if (how == 1) {
                shown->close();
            } else {
                controller->closeWindow();
                if (how == 2)
                    controller->closeWindow();
            }
        });
        window.showFromTitleBar(nullptr, false);
        window.startModal();
        QCOMPARE(window.closings, 1);
        QVERIFY(!window.loopRunningAtHook);
        QVERIFY(!window.isVisible());
        QCOMPARE(loop.titles(), QStringList{QStringLiteral("Counting")});
    }

    void eventLoopReturnsWhenTheWindowCloses()
    {
        EventModalLoop loop;
        ModalLoop::Scope scope(loop);
        CountingWindow window;
        window.setWindowTitle(QStringLiteral("Real loop"));
        window.showFromTitleBar(nullptr, true);
        QTimer::singleShot(20, &window, &voModalWinController::closeWindow);
        window.startModal();
        QCOMPARE(window.closings, 1);
    }

    void closingAWindowWithoutARunHasNoEffectOnOthers()
    {
        EventModalLoop loop;
        ModalLoop::Scope scope(loop);
        CountingWindow modal;
        modal.setWindowTitle(QStringLiteral("Modal"));
        CountingWindow progress;
        progress.setWindowTitle(QStringLiteral("Progress"));
        progress.showFromTitleBar(nullptr, false);
        modal.showFromTitleBar(nullptr, false);
        bool stillOpenAfterProgressClosed = false;
        QTimer::singleShot(10, &progress, [&] {
            progress.closeWindow();
            QTimer::singleShot(10, &modal, [&] {
                stillOpenAfterProgressClosed = modal.isVisible();
                modal.closeWindow();
            });
        });
        modal.startModal();
        QVERIFY(stillOpenAfterProgressClosed);
        QCOMPARE(progress.closings, 1);
        QCOMPARE(modal.closings, 1);
    }
};

QTEST_MAIN(TestModalWindow)
#include "tst_dialogs_modal.moc"
