#pragma once

#include <QString>

/// What an operation of the document answers: it changed the document, it
/// changed nothing (the value was already there), or it refused the change
/// with a message that says why, which the view shows.
struct EditAnswer
{
    enum class Outcome { Unchanged, Changed, Refused };

    Outcome outcome = Outcome::Unchanged;
    QString message;

    [[nodiscard]] static EditAnswer unchanged() { return {}; }
    [[nodiscard]] static EditAnswer changed() { return { Outcome::Changed, {} }; }
    [[nodiscard]] static EditAnswer refused(const QString &why) { return { Outcome::Refused, why }; }

    [[nodiscard]] bool isChanged() const { return outcome == Outcome::Changed; }
    [[nodiscard]] bool isRefused() const { return outcome == Outcome::Refused; }
};
