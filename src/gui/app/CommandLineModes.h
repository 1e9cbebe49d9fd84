#pragma once

#include <QStringList>

#include <optional>

/// The modes that run without a window: --report, --convert, --help and
/// --version. They never read or write the user's settings.
namespace CommandLineModes {

/// Runs the mode the arguments ask for and answers its exit status; answers
/// nothing when the arguments ask for the window.
[[nodiscard]] std::optional<int> run(const QStringList &arguments);

/// Whether the arguments ask for a mode without a window (no display needed).
[[nodiscard]] bool isHeadless(const QStringList &arguments);

} // namespace CommandLineModes
