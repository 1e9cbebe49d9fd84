#pragma once

#include "editing/DocumentChange.h"

#include <QTest>

#include <functional>
#include <memory>
#include <vector>

/// A change log that keeps what the document's operations record, and the
/// one check every change ends with: recorded as one step under its name,
/// undo shows what was there before, redo what was there after.
class RecordedSteps final : public ChangeLog
{
public:
    void record(std::unique_ptr<DocumentChange> change) override { steps.push_back(std::move(change)); }

    /// `look` is how the test sees the document; `before` what it saw before
    /// the change. Returns false after a failed comparison.
    template <typename Look> bool undoesAndRedoes(const QString &name, const Look &look, const decltype(look()) &before)
    {
        [&] {
            QCOMPARE(int(steps.size()), 1);
            QCOMPARE(steps.back()->name(), name);
            const auto after = look();
            QVERIFY(after != before);
            steps.back()->undo();
            QCOMPARE(look(), before);
            steps.back()->redo();
            QCOMPARE(look(), after);
        }();
        return !QTest::currentTestFailed();
    }

    std::vector<std::unique_ptr<DocumentChange>> steps;
};
