#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QRegularExpression kOption(QStringLiteral("(?<![\\w-])--?[a-z][a-z-]*"));

QStringList optionsIn(const QString &text)
{
    QStringList options;
    for (const QRegularExpressionMatch &match : kOption.globalMatch(text))
        options << match.captured();
    options.removeDuplicates();
    options.sort();
    return options;
}

/// The options the manual page describes: the tags of its OPTIONS section.
QStringList manualPageOptions()
{
    QFile page(QStringLiteral(ORRINWICK_SOURCE_DIR "/resources/man/orrinwick.1"));
    if (!page.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(page.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-")).split(u'\n');
    QString tags;
    bool inOptions = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].startsWith(QLatin1String(".SH")))
            inOptions = lines[i] == QLatin1String(".SH OPTIONS");
        else if (inOptions && lines[i] == QLatin1String(".TP") && i + 1 < lines.size())
            tags += lines[i + 1] + u'\n';
    }
    return optionsIn(tags);
}

QStringList helpOptions()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.remove(QStringLiteral("LC_ALL"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORRINWICK_BINARY), {QStringLiteral("--help")});
    if (!program.waitForFinished(30000) || program.exitCode() != 0)
        return {};
    return optionsIn(QString::fromLocal8Bit(program.readAllStandardOutput()));
}

QStringList without(QStringList list, const QStringList &other)
{
    list.removeIf([&other](const QString &item) { return other.contains(item); });
    return list;
}

} // namespace

class ManualPageTest : public QObject
{
    Q_OBJECT

private slots:
    void describesTheOptionsThatHelpLists()
    {
        const QStringList page = manualPageOptions();
        const QStringList help = helpOptions();
        QVERIFY2(page.contains(QStringLiteral("--report")), "the manual page's OPTIONS section was not read");
        QVERIFY2(help.contains(QStringLiteral("--report")), "orrinwick --help printed no options");
        const QStringList onlyHelp = without(help, page);
        const QStringList onlyPage = without(page, help);
        QVERIFY2(onlyHelp.isEmpty() && onlyPage.isEmpty(),
                 qPrintable(QStringLiteral("--help and the manual page differ. Only in --help: %1. Only in the manual page: %2.")
                                .arg(onlyHelp.join(u' '), onlyPage.join(u' '))));
    }
};

QTEST_GUILESS_MAIN(ManualPageTest)
#include "tst_manpage.moc"
