#include "AppFixture.h"

#include "app/BudgetGridModel.h"
#include "app/DesktopCommands.h"
#include "charts/BudgetChartsWindow.h"
#include "dialogs/voAboutWinCtrl.h"
#include "dialogs/voPrefWindowCtrl.h"
#include "dialogs/voProgressWinController.h"
#include "platform/QtAlerts.h"
#include "register/voCategoryEditWinCtrl.h"
#include "register/voCheckViewCtrl.h"
#include "register/voEnvelopeWinController.h"

#include <QAccessible>
#include <QApplication>
#include <QBrush>
#include <QLabel>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

/// What a screen reader calls the widget.
QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

/// Every control of the window that Tab can reach, shown or on a page not
/// shown yet, must have a name of its own: one line per fault. The names
/// found are added to `names`.
QStringList namingFaults(QWidget &window, QStringList *names = nullptr)
{
    QStringList faults;
    if (window.windowTitle().isEmpty())
        faults << QStringLiteral("the window has no title");
    QHash<QString, QString> owners;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        // Tab reaches it, and not only on behalf of another widget (a view's viewport).
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() || widget->isWindow())
            continue;
        const QString who = QStringLiteral("%1 \"%2\" in %3").arg(QLatin1String(widget->metaObject()->className()),
                                                             widget->objectName(), QLatin1String(widget->parentWidget()->metaObject()->className()));
        const QString name = accessibleName(widget).trimmed();
        if (name.isEmpty()) {
            faults << who + QStringLiteral(" has no accessible name");
            continue;
        }
        if (names)
            *names << name;
        if (owners.contains(name))
            faults << QStringLiteral("%1 and %2 are both called \"%3\"").arg(owners[name], who, name);
        owners.insert(name, who);
    }
    return faults;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void everyControlOfTheMainWindowHasANameOfItsOwn_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("envelope");
        QTest::newRow("grid") << 0 << false;
        QTest::newRow("register") << 1 << false;
        QTest::newRow("register in envelope mode") << 1 << true;
    }

    void everyControlOfTheMainWindowHasANameOfItsOwn()
    {
        QFETCH(int, tab);
        QFETCH(bool, envelope);
        AppFixture fixture;
        fixture.settings->setValue(Settings::kEnvelopeView, envelope);
        fixture.knownVersion().settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        MyDataSource &app = fixture.start();
        app.mainWindow().tabView()->setCurrentIndex(tab);
        QStringList names;
        const QStringList faults = namingFaults(app.mainWindow(), &names);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        // Both tabs' controls are walked, whichever tab is shown.
        for (const char *control : {"Budget grid", "New category", "Transactions of the month", "Next month"})
            QVERIFY2(names.contains(QLatin1String(control)), control);
        QVERIFY2(names.size() >= 12, qPrintable(names.join(QStringLiteral(", "))));
    }

    void eachWindowIsADialogWithNamedControlsAndReturnPressesItsDefaultButton_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("hasDefaultButton");
        for (const char *name : {"PrefWindow", "AboutWindow", "EnvelopeWindow", "CategoryEdit"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        for (const char *name : {"ProgWindow", "Charts"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
    }

    void eachWindowIsADialogWithNamedControlsAndReturnPressesItsDefaultButton()
    {
        QFETCH(QString, window);
        QFETCH(bool, hasDefaultButton);
        AppFixture fixture;
        fixture.knownVersion().settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        fixture.settings->setValue(Settings::kEnvelopeView, true);
        MyDataSource &app = fixture.start();
        QWidget *parent = &app.mainWindow();
        std::unique_ptr<QWidget> shown;
        if (window == u"PrefWindow")
            shown = std::make_unique<voPrefWindowCtrl>(*fixture.settings, parent);
        else if (window == u"ProgWindow")
            shown = std::make_unique<voProgressWinController>(parent);
        else if (window == u"AboutWindow") {
            auto about = std::make_unique<voAboutWinCtrl>(parent);
            about->setTitle(voAboutWinCtrl::kPublisherName, voAboutWinCtrl::aboutMessage(app.version()));
            shown = std::move(about);
        }
        else if (window == u"EnvelopeWindow") {
            auto editor = std::make_unique<voEnvelopeWinController>(app.edits(), fixture.alerts, parent);
            editor->openMonth(0, parent);
            shown = std::move(editor);
        } else if (window == u"CategoryEdit")
            shown = std::make_unique<voCategoryEditWinCtrl>(app.edits(), fixture.alerts, parent);
        else
            shown = std::make_unique<BudgetChartsWindow>(app.document(), parent);
        shown->show();
        const QStringList faults = namingFaults(*shown);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QCOMPARE(QAccessible::queryAccessibleInterface(shown.get())->role(), QAccessible::Dialog);

        // Return where the focus is presses the default button, which closes the window.
        QApplication::setActiveWindow(shown.get());
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : shown.get(), Qt::Key_Return);
        QCOMPARE(shown->isVisible(), !hasDefaultButton);
    }

    void negativeFiguresCarryTheirMinusSign_data()
    {
        QTest::addColumn<QString>("budget");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("registerText");
        // January of the sample spends 2317.19.
        QTest::newRow("overspent") << "2000" << "-317" << "-317.19";
        QTest::newRow("overspent by less than one") << "2317" << "-0" << "-0.19";
        QTest::newRow("left over") << "2318" << "0" << "0.81";
    }

    void negativeFiguresCarryTheirMinusSign()
    {
        QFETCH(QString, budget);
        QFETCH(QString, grid);
        QFETCH(QString, registerText);
        AppFixture fixture;
        fixture.knownVersion().settings->setValue(Settings::kDataFile, fixture.sampleCopy());
        MyDataSource &app = fixture.start();
        BudgetGridModel &model = app.gridModel();
        const int january = BudgetGridModel::columnOf(QStringLiteral("jan"));
        QVERIFY(model.setData(model.index(kBudgetRowIndex, january), QVariant(budget), Qt::EditRole));

        const QModelIndex remain = model.index(kRemainingRowIndex, january);
        QCOMPARE(remain.data().toString(), grid);
        // The colour tells it too, but never alone.
        QCOMPARE(remain.data(Qt::ForegroundRole).isValid(), grid.startsWith(u'-'));

        app.mainWindow().tabView()->setCurrentIndex(1);
        app.checkView().decrementMonth();
        app.checkView().decrementMonth();
        QCOMPARE(app.checkView().findChild<QLabel *>(QStringLiteral("_remainAmount"))->text(), registerText);
    }

    void alertButtonsAreNamed()
    {
        QWidget parent;
        parent.setWindowTitle(QStringLiteral("Budget"));
        QtAlerts alerts;
        alerts.setParentWindow(&parent);
        QStringList faults {QStringLiteral("no alert was shown")};
        QTimer::singleShot(0, this, [&faults] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            faults = namingFaults(*box);
            box->button(QMessageBox::Cancel) ? box->reject() : box->done(0);
        });
        (void)alerts.confirm(QStringLiteral("Confirm Delete"),
                             QStringLiteral("Are you sure you want to delete category Rent"), Alerts::Button::Cancel);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
