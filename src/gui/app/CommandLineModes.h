#pragma once

#include <QByteArray>
#include <QStringList>

/// The command line: the window (the default) or one of the modes that run
/// without it, for scripts and a quick look from a terminal, each with its
/// operands and options. One table in CommandLineModes.cpp lists them; it
/// both checks a command line and writes --help. A mode is added with one
/// entry there and the function that runs it. A mode may read the user's
/// settings (an import follows the category rules and CSV layouts the window
/// saved; the modes that write a data file keep backups as it does) but
/// never writes them.
namespace CommandLineModes {

/// One start's command line, read against the table.
struct Invocation
{
    /// The mode's option, such as "--report"; empty for the window.
    QString mode;
    /// The options given besides the mode's own, such as "--envelope".
    QStringList options;
    /// The files, in the order given.
    QStringList operands;
    /// What is wrong with the command line; empty when nothing is.
    QString error;
    /// The arguments as given, for modes that read their options' values.
    QStringList arguments;

    [[nodiscard]] bool has(const QString &option) const { return options.contains(option); }
    [[nodiscard]] bool opensWindow() const { return mode.isEmpty() && error.isEmpty(); }
};

/// Reads the arguments (without the program's name). Everything after "--"
/// is a file, also a name that begins with "-". Qt's own options for the
/// window (-style, -session …) are left to QApplication.
[[nodiscard]] Invocation read(const QStringList &arguments);

/// Runs a mode without the window, or says what is wrong with the command
/// line followed by the usage; answers the exit status (2 for a wrong
/// command line). Never called for an invocation that opens the window.
[[nodiscard]] int run(const Invocation &invocation);

/// Whether the mode lays out text and so needs a GUI application (on the
/// offscreen platform: never a display).
[[nodiscard]] bool paints(const Invocation &invocation);

/// The one line said when there is no display to open the window on: it
/// names the modes that work on files without one.
[[nodiscard]] QByteArray noDisplayLine();

} // namespace CommandLineModes
