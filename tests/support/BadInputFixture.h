#pragma once

#include "AppFixture.h"
#include "BadInputTable.h"
#include "DocumentCompare.h"
#include "DocumentFixtures.h"

#include "document/BudgetFileWriter.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <functional>

/// The program started on a small budget, ready for one bad input at one
/// entry point; then the checks every row makes: the outcome the table
/// expects, and a save that loads back as the same document.
class BadInputApp
{
public:
    static constexpr int kMar = 2;

    /// Stores an accepted text into a document as the entry point would.
    using Store = std::function<void(BudgetDocument &document, const QString &stored)>;

    /// One row per case of the entry point: the input and what must happen.
    static void addRows(const QString &test)
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("fault");
        const BadInput::EntryPoint &point = BadInput::entryPoint(test);
        for (const BadInput::Case &row : point.cases) {
            const QString input = point.inputText(row);
            QTest::newRow(qPrintable(row.input)) << input << int(row.expected.result)
                                                 << BadInput::filled(row.expected.text, input) << row.fault;
        }
    }

    explicit BadInputApp(bool envelopeView)
        : _envelopeView(envelopeView)
    {
        _fixture.knownVersion();
        _fixture.settings->setValue(Settings::kEnvelopeView, envelopeView);
        BudgetDocument document;
        fillSample(document);
        _original = _fixture.folder.filePath(QStringLiteral("original.txt"));
        _dataFile = _fixture.folder.filePath(QStringLiteral("budget.txt"));
        if (!BudgetFileWriter::writeFile(document, _original) || !QFile::copy(_original, _dataFile))
            qFatal("cannot write the sample budget");
        _fixture.settings->setValue(Settings::kDataFile, _dataFile);
        _app = &_fixture.start();
    }

    [[nodiscard]] MyDataSource &app() const { return *_app; }
    [[nodiscard]] AppFixture &fixture() { return _fixture; }

    /// Pastes the text into the editor of the cell as a user would (Ctrl+V
    /// over the selected old text; an empty text deletes it) and commits it
    /// with Return. Answers what went wrong, or nothing.
    [[nodiscard]] static QString enterText(QAbstractItemView &view, const QModelIndex &cell, const QString &text)
    {
        view.setCurrentIndex(cell);
        view.edit(cell);
        auto *editor = qobject_cast<QLineEdit *>(view.indexWidget(cell));
        if (!editor)
            return QStringLiteral("no line editor opened on the cell");
        editor->selectAll();
        if (text.isEmpty()) {
            editor->del();
        } else {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        }
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits from the event loop.
        if (!QTest::qWaitFor([&] { return !view.indexWidget(cell); }))
            return QStringLiteral("the editor stayed open");
        return {};
    }

    /// Saves with the Save command, then checks that the alerts and the
    /// document are what the row expects: one "WARNING" with the message and
    /// the document as it was, or no alert and the document with the stored
    /// text and nothing else changed. A row with a known fault is marked as
    /// expected to fail. Last, the saved file must load back into a fresh
    /// document as exactly the same document.
    void verifyOutcome(const Store &store)
    {
        QFETCH(int, result);
        QFETCH(QString, expected);
        QFETCH(QString, fault);

        _app->menuSave();
        const QString problem = outcomeProblem(BadInput::Result(result), expected, store);
        const QByteArray reason = fault.toUtf8();
        if (!fault.isEmpty())
            QEXPECT_FAIL(QTest::currentDataTag(), reason.constData(), Continue);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        const std::unique_ptr<BudgetDocument> reloaded = DocumentCompare::loaded(_dataFile, _envelopeView, sortData());
        QVERIFY2(reloaded, "the saved file does not load");
        const QString roundTrip = DocumentCompare::firstDifference(_app->document(), *reloaded);
        QVERIFY2(roundTrip.isEmpty(), qPrintable(QStringLiteral("document / saved and loaded again: ") + roundTrip));
    }

    /// Stores into Food's March item "Market", the record the register rows edit.
    static Store marketField(QStringView key)
    {
        const QString field = key.toString();
        return [field](BudgetDocument &document, const QString &stored) {
            Entry &market = DocumentFixtures::entryAt(document, QStringLiteral("Food"), kMar, 1);
            if (field == u"day")
                market.day = stored;
            else if (field == u"amount")
                market.amount = stored;
            else if (field == u"desc")
                market.desc = stored;
            else if (field == u"note")
                market.note = stored;
        };
    }

    static void renameFood(BudgetDocument &document, const QString &stored)
    {
        DocumentWriter(document).renameCategory(document.rowOfCategory(QStringLiteral("Food")), stored);
    }

private:
    /// Three categories; March has a budget, envelopes and one item each in
    /// Food and Rent, so that no edit can change the order of a list.
    static void fillSample(BudgetDocument &document)
    {
        using namespace DocumentFixtures;
        for (const char *name : {"Food", "Rent", "Fun"})
            DocumentFixtures::addCategory(document, QString::fromLatin1(name));
        DocumentFixtures::setBudget(document, kMar, QStringLiteral("1000"));
        setEnvelope(document, QStringLiteral("Food"), kMar, QStringLiteral("40"));
        setEnvelope(document, QStringLiteral("Rent"), kMar, QStringLiteral("800"));
        addItem(document, QStringLiteral("Food"), kMar, QStringLiteral("20"), QStringLiteral("Market"),
                QStringLiteral("45.10"), QStringLiteral("fresh"));
        addItem(document, QStringLiteral("Rent"), kMar, QStringLiteral("1"), QStringLiteral("Landlord"),
                QStringLiteral("800"));
        addItem(document, QStringLiteral("Fun"), kMar - 1, QStringLiteral("2"), QStringLiteral("Museum"),
                QStringLiteral("12"));
    }

    [[nodiscard]] bool sortData() const { return _fixture.settings->sortData(); }

    [[nodiscard]] QString alertsShown() const
    {
        QStringList alerts;
        for (const ScriptedAlerts::Shown &alert : _fixture.alerts.shown())
            alerts << alert.title + u' ' + DocumentCompare::shown(alert.message);
        return alerts.isEmpty() ? QStringLiteral("none") : alerts.join(QStringLiteral(", "));
    }

    [[nodiscard]] QString outcomeProblem(BadInput::Result result, const QString &expected, const Store &store) const
    {
        const QList<ScriptedAlerts::Shown> &shown = _fixture.alerts.shown();
        if (result == BadInput::Result::Refused) {
            if (shown.size() != 1 || shown.first().title != u"WARNING" || shown.first().message != expected)
                return QStringLiteral("expected one WARNING %1; alerts: %2")
                    .arg(DocumentCompare::shown(expected), alertsShown());
        } else if (!shown.isEmpty()) {
            return QStringLiteral("expected no alert; alerts: %1").arg(alertsShown());
        }
        const std::unique_ptr<BudgetDocument> want = DocumentCompare::loaded(_original, _envelopeView, sortData());
        if (!want)
            return QStringLiteral("the sample budget does not load");
        if (result == BadInput::Result::Stored) {
            store(*want, expected);
            DocumentFixtures::recalculate(*want);
        }
        const QString difference = DocumentCompare::firstDifference(_app->document(), *want);
        if (!difference.isEmpty())
            return QStringLiteral("document / expected: ") + difference;
        return {};
    }

    AppFixture _fixture;
    bool _envelopeView;
    QString _original;
    QString _dataFile;
    MyDataSource *_app = nullptr;
};
