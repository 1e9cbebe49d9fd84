#pragma once

#include "app/UndoHistory.h"
#include "document/DocumentSnapshot.h"

#include <QAction>
#include <QTest>

/// The check every change made in the program ends with, through Edit → Undo
/// and Edit → Redo as the user reaches them.
namespace UndoMenu {

/// Compares part by part, so that a failure names the part that differs.
/// Returns false after a failed comparison.
inline bool sameDocument(const DocumentSnapshot &actual, const DocumentSnapshot &expected)
{
    [&] {
        QCOMPARE(actual.catArray, expected.catArray);
        QCOMPARE(actual.budgetTotals, expected.budgetTotals);
        QVERIFY2(actual.catData == expected.catData, "the entry lists differ");
        QVERIFY2(actual.extensions == expected.extensions, "the extension records differ");
    }();
    return !QTest::currentTestFailed();
}

template <typename T> bool same(const T &actual, const T &expected)
{
    [&] { QCOMPARE(actual, expected); }();
    return !QTest::currentTestFailed();
}

inline bool same(const DocumentSnapshot &actual, const DocumentSnapshot &expected)
{
    return sameDocument(actual, expected);
}

/// The change is the only step, named after it; undo shows what `look` saw
/// `before` and leaves nothing to undo, redo shows the change again and
/// leaves nothing to redo. Returns false after a failed comparison.
template <typename Look>
bool undoesAndRedoes(UndoHistory &history, const QString &name, const Look &look, const decltype(look()) &before)
{
    [&] {
        QCOMPARE(history.stack().count(), 1);
        QCOMPARE(history.undoAction()->text(), QStringLiteral("Undo ") + name);
        const auto after = look();
        QVERIFY(!(after == before));
        history.undoAction()->trigger();
        QVERIFY(same(look(), before));
        QVERIFY(!history.undoAction()->isEnabled());
        QCOMPARE(history.redoAction()->text(), QStringLiteral("Redo ") + name);
        history.redoAction()->trigger();
        QVERIFY(same(look(), after));
        QVERIFY(history.undoAction()->isEnabled());
        QVERIFY(!history.redoAction()->isEnabled());
    }();
    return !QTest::currentTestFailed();
}

} // namespace UndoMenu
