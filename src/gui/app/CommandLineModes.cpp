#include "CommandLineModes.h"

#include "YearCommandLine.h"

#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/EnvelopeCarry.h"
#include "document/GridText.h"
#include "editing/DocumentSetup.h"
#include "import/ImportCommandLine.h"
#include "platform/Settings.h"
#include "platform/StderrAlerts.h"
#include "recurring/DueCommandLine.h"
#include "safety/UnattendedSave.h"
#include "tags/TagsCommandLine.h"
#include "year/CompareCommandLine.h"
#include "year/LastYearBudget.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace CommandLineModes {

namespace {

/// The texts' translation context.
class Text
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineModes)
};

/// An option that changes how a mode runs.
struct Option
{
    QString name;
    const char *help;
    /// What the option takes after it, as the usage names it; none for a flag.
    QString value = {};
};

const QList<Option> &options()
{
    static const QList<Option> table{
        {QStringLiteral("--envelope"), QT_TRANSLATE_NOOP("CommandLineModes", "compute in envelope mode")},
        {QStringLiteral("--display"), QT_TRANSLATE_NOOP("CommandLineModes", "print the cells as the grid shows them")},
        {QStringLiteral("--no-sort"), QT_TRANSLATE_NOOP("CommandLineModes", "keep each month's items in file order")},
        {QStringLiteral("--quit-when-shown"),
         QT_TRANSLATE_NOOP("CommandLineModes", "quit as a user would once start-up has finished")},
        {QStringLiteral("--year"), QT_TRANSLATE_NOOP("CommandLineModes", "the year the budget covers"),
         QStringLiteral("YYYY")},
        {QStringLiteral("--format"), QT_TRANSLATE_NOOP("CommandLineModes", "read the statement as ofx, qif or csv"),
         QStringLiteral("FORMAT")},
        {QStringLiteral("--credits"), QT_TRANSLATE_NOOP("CommandLineModes", "take credits in as refunds")},
        {QStringLiteral("--dry-run"), QT_TRANSLATE_NOOP("CommandLineModes", "say what would be imported, write nothing")},
        {QStringLiteral("--month"), QT_TRANSLATE_NOOP("CommandLineModes", "the register of month N (1-12) instead of the grid"),
         QStringLiteral("N")},
        {QStringLiteral("--last"),
         QT_TRANSLATE_NOOP("CommandLineModes", "last year's budget file, instead of the one FILE links to"),
         QStringLiteral("LASTFILE")},
        {QStringLiteral("--until"), QT_TRANSLATE_NOOP("CommandLineModes", "the last day to look at, instead of today"),
         QStringLiteral("YYYY-MM-DD")},
        {QStringLiteral("--enter"), QT_TRANSLATE_NOOP("CommandLineModes", "enter the due occurrences into FILE")},
    };
    return table;
}

int report(const Invocation &invocation);
int convert(const Invocation &invocation);
int importStatement(const Invocation &invocation);
int newYear(const Invocation &invocation);
int pdf(const Invocation &invocation);
int compare(const Invocation &invocation);
int due(const Invocation &invocation);
int tags(const Invocation &invocation);
int help(const Invocation &invocation);
int version(const Invocation &invocation);

/// A way to run the program; --help is written from the table of them.
struct Mode
{
    /// Empty for the window.
    QString option;
    /// As the usage names them; one in brackets may be left out.
    QStringList operands;
    QStringList options;
    const char *help;
    /// None for the window, which main() runs.
    int (*run)(const Invocation &);
    /// Lays out text as the screen would (fonts), on no display.
    bool paints = false;
};

const QList<Mode> &modes()
{
    static const QList<Mode> table{
        {{}, {QStringLiteral("[FILE]")}, {QStringLiteral("--quit-when-shown")},
         QT_TRANSLATE_NOOP("CommandLineModes", "open the window, on FILE when one is given"), nullptr},
        {QStringLiteral("--report"), {QStringLiteral("FILE")},
         {QStringLiteral("--envelope"), QStringLiteral("--display"), QStringLiteral("--no-sort")},
         QT_TRANSLATE_NOOP("CommandLineModes", "print the budget grid of FILE, a line per row, tabs between cells"),
         report},
        {QStringLiteral("--convert"), {QStringLiteral("IN"), QStringLiteral("OUT")}, {QStringLiteral("--no-sort")},
         QT_TRANSLATE_NOOP("CommandLineModes", "write the budget file IN to OUT in the current layout"), convert},
        {QStringLiteral("--import"), {QStringLiteral("STATEMENT"), QStringLiteral("FILE")},
         {QStringLiteral("--year"), QStringLiteral("--format"), QStringLiteral("--credits"), QStringLiteral("--dry-run")},
         QT_TRANSLATE_NOOP("CommandLineModes", "add a bank statement's transactions to the budget FILE"),
         importStatement},
        {QStringLiteral("--new-year"), {QStringLiteral("IN"), QStringLiteral("OUT")}, {},
         QT_TRANSLATE_NOOP("CommandLineModes", "write next year's budget, drawn from IN, to OUT"), newYear},
        {QStringLiteral("--pdf"), {QStringLiteral("FILE"), QStringLiteral("OUT.pdf")},
         {QStringLiteral("--envelope"), QStringLiteral("--month")},
         QT_TRANSLATE_NOOP("CommandLineModes", "write the budget grid of FILE, or a month's register, as a PDF"), pdf,
         true},
        {QStringLiteral("--compare"), {QStringLiteral("FILE")}, {QStringLiteral("--last")},
         QT_TRANSLATE_NOOP("CommandLineModes", "print what was booked per category and month this year and last"),
         compare},
        {QStringLiteral("--due"), {QStringLiteral("FILE")}, {QStringLiteral("--until"), QStringLiteral("--enter")},
         QT_TRANSLATE_NOOP("CommandLineModes", "print the recurring transactions due in FILE, or enter them"), due},
        {QStringLiteral("--tags"), {QStringLiteral("FILE")}, {},
         QT_TRANSLATE_NOOP("CommandLineModes", "print what was booked per tag and month, a line per tag"), tags},
        {QStringLiteral("--help"), {}, {}, QT_TRANSLATE_NOOP("CommandLineModes", "show this help and exit"), help},
        {QStringLiteral("--version"), {}, {}, QT_TRANSLATE_NOOP("CommandLineModes", "show the version and exit"),
         version},
    };
    return table;
}

const Mode *findMode(const QString &option)
{
    const auto found = std::find_if(modes().begin(), modes().end(),
                                    [&option](const Mode &mode) { return mode.option == option; });
    return found == modes().end() ? nullptr : &*found;
}

const Option *findOption(const QString &name)
{
    const auto found = std::find_if(options().begin(), options().end(),
                                    [&name](const Option &option) { return option.name == name; });
    return found == options().end() ? nullptr : &*found;
}

QString withValue(const QString &option)
{
    const Option *found = findOption(option);
    return found && !found->value.isEmpty() ? option + u' ' + found->value : option;
}

/// Qt's own options for the window, as its documentation lists them;
/// QApplication takes them off the command line itself. A session restarts
/// the program with -session.
struct QtOption
{
    QLatin1StringView name;
    bool takesValue;
};

constexpr QtOption kQtOptions[] = {
    {QLatin1StringView("-platform"), true},       {QLatin1StringView("-platformpluginpath"), true},
    {QLatin1StringView("-platformtheme"), true},  {QLatin1StringView("-plugin"), true},
    {QLatin1StringView("-qmljsdebugger"), false}, {QLatin1StringView("-qwindowgeometry"), true},
    {QLatin1StringView("-qwindowicon"), true},    {QLatin1StringView("-qwindowtitle"), true},
    {QLatin1StringView("-reverse"), false},       {QLatin1StringView("-session"), true},
    {QLatin1StringView("-display"), true},        {QLatin1StringView("-geometry"), true},
    {QLatin1StringView("-style"), true},          {QLatin1StringView("-stylesheet"), true},
    {QLatin1StringView("-widgetcount"), false},
};

const QtOption *findQtOption(const QString &argument)
{
    // Also in the form -style=fusion.
    const QStringView name = QStringView(argument).left(argument.indexOf(u'='));
    const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                                    [name](const QtOption &option) { return name == option.name; });
    return found == std::end(kQtOptions) ? nullptr : found;
}

QString modeName(const Mode &mode)
{
    return mode.option.isEmpty() ? Text::tr("the window") : mode.option;
}

/// "a", "a and b", "a, b and c".
QString joined(QStringList names)
{
    const QString last = names.takeLast();
    return names.isEmpty() ? last : Text::tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
}

QString modeList(const std::function<bool(const Mode &)> &which)
{
    QStringList names;
    for (const Mode &mode : modes()) {
        if (which(mode))
            names << modeName(mode);
    }
    return joined(names);
}

qsizetype requiredOperands(const Mode &mode)
{
    return std::count_if(mode.operands.begin(), mode.operands.end(),
                         [](const QString &operand) { return !operand.startsWith(u'['); });
}

/// What is wrong with the options and operands given to the mode, if anything.
QString misuse(const Mode &mode, const Invocation &invocation, const QStringList &qtOptions)
{
    for (const QString &option : invocation.options) {
        if (!mode.options.contains(option))
            return Text::tr("%1 works only with %2")
                .arg(option, modeList([&option](const Mode &other) { return other.options.contains(option); }));
    }
    if (!mode.option.isEmpty() && !qtOptions.isEmpty())
        return Text::tr("%1 works only with %2").arg(qtOptions.first(), Text::tr("the window"));
    const qsizetype required = requiredOperands(mode);
    if (invocation.operands.size() < required)
        return Text::tr("%1 needs %2").arg(modeName(mode), joined(mode.operands.first(required)));
    if (invocation.operands.size() > mode.operands.size())
        return Text::tr("unexpected argument %1").arg(invocation.operands.at(mode.operands.size()));
    return {};
}

void print(FILE *stream, const QByteArray &text)
{
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stream);
}

QString usage()
{
    const QString program = QStringLiteral("orrinwick");
    QStringList synopses;
    QList<std::pair<QString, QString>> modeEntries;
    for (const Mode &mode : modes()) {
        const QString call = QStringList(QStringList{mode.option} + mode.operands).join(u' ').trimmed();
        QStringList synopsis{program, call};
        for (const QString &option : mode.options)
            synopsis << u'[' + withValue(option) + u']';
        synopses << synopsis.join(u' ');
        modeEntries.append({call, Text::tr(mode.help)});
    }
    QList<std::pair<QString, QString>> optionEntries;
    for (const Option &option : options())
        optionEntries.append({withValue(option.name), Text::tr(option.help)});

    qsizetype width = 0;
    for (const auto &[name, help] : modeEntries + optionEntries)
        width = std::max(width, name.size());
    const auto list = [width](const QList<std::pair<QString, QString>> &entries) {
        QString lines;
        for (const auto &[name, help] : entries)
            lines += QStringLiteral("  %1  %2\n").arg(name, -int(width)).arg(help);
        return lines;
    };
    const QString lead = Text::tr("Usage:") + u' ';
    return lead + synopses.join(u'\n' + QString(lead.size(), u' ')) + QStringLiteral("\n\n")
        + Text::tr("Keeps a household budget by month.") + QStringLiteral("\n\n") + list(modeEntries) + u'\n'
        + list(optionEntries) + u'\n' + Text::tr("A FILE whose name begins with \"-\" goes after \"--\".") + u'\n';
}

bool load(BudgetDocument &document, const QString &path, const BudgetFileReader::Options &options)
{
    StderrAlerts alerts;
    return BudgetFileReader::loadFile(document, path, alerts, options) == BudgetFileReader::LoadResult::Loaded;
}

BudgetFileReader::Options sorted(bool sort)
{
    BudgetFileReader::Options options;
    options.sortData = sort;
    return options;
}

/// January's carry from the linked file, as the window shows it; a file
/// that is not there is said, and January starts from the opening amounts.
void carryFromLastYear(BudgetDocument &document, const QString &path)
{
    LastYearBudget last;
    last.follow(document.extensions(), path);
    if (!last.note().isEmpty())
        std::fputs(qPrintable(QStringLiteral("orrinwick: ") + last.note() + u'\n'), stderr);
    DocumentSetup::setLastYearClosing(document, last.closingFor(document));
}

int report(const Invocation &invocation)
{
    BudgetDocument document;
    DocumentSetup::setEnvelopeView(document, invocation.has(QStringLiteral("--envelope")));
    // Only the figures are printed: each month's items are read as their sum.
    // The order of the items changes no figure, so --no-sort reads alike.
    BudgetFileReader::Options options;
    options.figuresOnly = true;
    options.sortData = false;
    if (!load(document, invocation.operands.at(0), options))
        return 1;
    if (document.isEnvelopeEnabled() && !EnvelopeCarry(document.extensions()).isEmpty())
        carryFromLastYear(document, invocation.operands.at(0));
    const bool display = invocation.has(QStringLiteral("--display"));
    QByteArray out;
    const QList<CategoryRow> &rows = document.getCatArray();
    for (int row = 0; row < rows.size(); ++row) {
        QStringList cells;
        for (const QString &column : gridColumnIds())
            cells << (display ? gridDisplayText(rows[row], row, column) : rows[row].value(column));
        out += cells.join(u'\t').toUtf8();
        out += '\n';
    }
    print(stdout, out);
    return 0;
}

/// The user's settings with the program's defaults, read (never written)
/// by the modes that save as the window does.
std::unique_ptr<Settings> userSettings()
{
    std::unique_ptr<Settings> settings = Settings::user();
    settings->registerDefaults();
    return settings;
}

int failed(const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("orrinwick: ") + message + u'\n'), stderr);
    return 1;
}

int convert(const Invocation &invocation)
{
    const QString &out = invocation.operands.at(1);
    const std::unique_ptr<Settings> settings = userSettings();
    // Locked before IN is read, which may be OUT itself.
    UnattendedSave save(out, *settings);
    if (const std::optional<OpenFileLock::Holder> holder = save.lock())
        return failed(UnattendedSave::heldMessage(out, *holder));
    BudgetDocument document;
    if (!load(document, invocation.operands.at(0), sorted(!invocation.has(QStringLiteral("--no-sort")))))
        return 1;
    if (const std::optional<QString> error = save.write(document))
        return failed(*error);
    return 0;
}

int importStatement(const Invocation &invocation)
{
    return ImportCommandLine::run(invocation.operands.at(0), invocation.operands.at(1), invocation.arguments,
                                  *userSettings());
}

int newYear(const Invocation &invocation)
{
    return YearCommandLine::newYear(invocation.operands.at(0), invocation.operands.at(1), *userSettings());
}

int pdf(const Invocation &invocation)
{
    return YearCommandLine::pdf(invocation.operands.at(0), invocation.operands.at(1),
                                invocation.has(QStringLiteral("--envelope")), invocation.arguments);
}

int compare(const Invocation &invocation)
{
    const qsizetype at = invocation.arguments.indexOf(QStringLiteral("--last"));
    return CompareCommandLine::run(invocation.operands.at(0), at < 0 ? QString() : invocation.arguments.value(at + 1));
}

int due(const Invocation &invocation)
{
    return DueCommandLine::run(invocation.operands.at(0), invocation.arguments, *userSettings(),
                               QDate::currentDate());
}

int tags(const Invocation &invocation)
{
    return TagsCommandLine::run(invocation.operands.at(0));
}

int help(const Invocation &)
{
    print(stdout, usage().toLocal8Bit());
    return 0;
}

int version(const Invocation &)
{
    print(stdout, "orrinwick " ORRINWICK_VERSION "\n");
    return 0;
}

Invocation wrong(const QString &error)
{
    Invocation invocation;
    invocation.error = error;
    return invocation;
}

} // namespace

Invocation read(const QStringList &arguments)
{
    Invocation invocation;
    invocation.arguments = arguments;
    QStringList qtOptions;
    bool filesOnly = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (filesOnly || argument == u"-" || !argument.startsWith(u'-')) {
            invocation.operands << argument;
        } else if (argument == u"--") {
            filesOnly = true;
        } else if (const QString name = argument == u"-h" ? QStringLiteral("--help") : argument; findMode(name)) {
            if (!invocation.mode.isEmpty())
                return wrong(Text::tr("%1 and %2 cannot be given together").arg(invocation.mode, name));
            invocation.mode = name;
        } else if (const Option *option = findOption(name)) {
            invocation.options << name;
            if (!option->value.isEmpty() && ++i >= arguments.size())
                return wrong(Text::tr("%1 needs %2").arg(name, option->value));
        } else if (const QtOption *qtOption = findQtOption(argument)) {
            qtOptions << argument;
            if (qtOption->takesValue && !argument.contains(u'='))
                ++i;
        } else {
            return wrong(Text::tr("unknown option %1").arg(argument));
        }
    }
    invocation.error = misuse(*findMode(invocation.mode), invocation, qtOptions);
    return invocation;
}

int run(const Invocation &invocation)
{
    if (!invocation.error.isEmpty()) {
        const QString text = QStringLiteral("orrinwick: ") + invocation.error + QStringLiteral("\n\n") + usage();
        print(stderr, text.toLocal8Bit());
        return 2;
    }
    return findMode(invocation.mode)->run(invocation);
}

bool paints(const Invocation &invocation)
{
    const Mode *mode = findMode(invocation.mode);
    return invocation.error.isEmpty() && mode && mode->paints;
}

QByteArray noDisplayLine()
{
    const QString modesOnFiles
        = modeList([](const Mode &mode) { return !mode.option.isEmpty() && !mode.operands.isEmpty(); });
    const QString line = Text::tr("no display to open the window on; %1 work without one").arg(modesOnFiles);
    return (QStringLiteral("orrinwick: ") + line + u'\n').toLocal8Bit();
}

} // namespace CommandLineModes
