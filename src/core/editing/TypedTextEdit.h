#pragma once

#include "EditAnswer.h"
#include "EditingSession.h"
#include "ReversibleChange.h"
#include "document/TextRules.h"

#include <functional>

/// The one rule for a value the user typed: a text equal to the value as it
/// stands changes nothing and is not checked (a cell opened and left as it
/// was, even one holding text from an old file); otherwise the text is
/// checked and either refused with the check's message, or stored through
/// `store` unless the checked form equals the value already there.
[[nodiscard]] inline EditAnswer applyTypedText(const QString &current, const QString &typed,
                                               const std::function<CheckedText(const QString &)> &check,
                                               const std::function<void(const QString &)> &store)
{
    if (typed == current)
        return EditAnswer::unchanged();
    const CheckedText checked = check(typed);
    if (!checked.ok())
        return EditAnswer::refused(checked.error);
    if (checked.text == current)
        return EditAnswer::unchanged();
    store(checked.text);
    return EditAnswer::changed();
}

/// The same rule for a single text value, a changed one recorded as one undo
/// step named `name` that puts the value back and forth through `store`.
[[nodiscard]] inline EditAnswer applyTypedValue(EditingSession &editing, const QString &name, const QString &current,
                                                const QString &typed,
                                                const std::function<CheckedText(const QString &)> &check,
                                                const std::function<void(const QString &)> &store)
{
    QString stored;
    const EditAnswer answer = applyTypedText(current, typed, check, [&store, &stored](const QString &text) {
        store(text);
        stored = text;
    });
    if (answer.isChanged())
        editing.record(ReversibleChange::ofValue(name, current, stored, store));
    return answer;
}
