#pragma once

#include "editing/EditAnswer.h"

#include <QString>

/// An operation's answer as the tests' tables write it: "changed",
/// "refused" or "unchanged".
inline QString outcomeOf(const EditAnswer &answer)
{
    switch (answer.outcome) {
    case EditAnswer::Outcome::Changed:
        return QStringLiteral("changed");
    case EditAnswer::Outcome::Refused:
        return QStringLiteral("refused");
    case EditAnswer::Outcome::Unchanged:
        break;
    }
    return QStringLiteral("unchanged");
}
