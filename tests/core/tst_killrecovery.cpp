#include "DocumentFixtures.h"
#include "DrivenProgram.h"
#include "document/BudgetFileWriter.h"
#include "platform/AtomicFile.h"
#include "safety/OpenFileLock.h"

#include <QDirIterator>
#include <QTest>

#include <random>

namespace {

const QString kRecoverTitle = QStringLiteral("Recover Unsaved Changes");
const QStringList kRecoverAndQuit{QStringLiteral("answer\tRecover Unsaved Changes\tRecover"), QStringLiteral("quit")};
constexpr qint64 kPromise = 2000; // no edit older than this may be lost
constexpr int kScriptTime = 6000;  // about the time a random script takes, and some

/// Waits for the moment of the kill. Runs take turns: any moment of the
/// script, the start of a random edit, of a random save, or a recovery write
/// (a second after an edit, the writer then at work for about 150 ms here).
template<typename Below>
void aimKill(const DrivenUser &user, const QStringList &script, int aim, Below &below)
{
    QList<int> commands;
    for (int i = 1; i < script.size(); ++i) {
        const QString verb = script[i].section(u'\t', 0, 0);
        if ((aim == 2) == (verb == u"save") && verb != u"wait")
            commands << i;
    }
    if (aim == 0 || commands.isEmpty()) {
        QTest::qWait(below(kScriptTime));
        return;
    }
    const int command = commands[below(int(commands.size()))];
    if (!user.waitForDone(command - 1, 60000))
        return;
    QTest::qWait(aim == 3 ? 1000 + below(250) : below(40));
}

/// What one edit must have left in the document, once it is old enough.
/// Edits of the same key overwrite each other: the document must hold the
/// value of the last old one or of any later one.
struct Expectation
{
    int index = 0;   // of the script command
    QString key;     // "entry", "category", "envelope <month> <name>", "chain <name>"
    QString value;
    int month = 0;
};

/// The name of a category whose renames form a chain, as the document has it.
QString chainName(const DocumentSnapshot &document, const QString &root)
{
    for (const CategoryRow &row : document.catArray) {
        if (row.desc == root || row.desc.startsWith(root + u' '))
            return row.desc;
    }
    return {};
}

bool holdsEntry(const DocumentSnapshot &document, int month, const QString &desc)
{
    for (const auto &[name, months] : document.catData) {
        for (const Entry &entry : months[std::size_t(month)]) {
            if (entry.desc == desc)
                return true;
        }
    }
    return false;
}

/// The value the document holds for a key.
QString heldValue(const DocumentSnapshot &document, const Expectation &expected)
{
    if (expected.key == u"entry")
        return holdsEntry(document, expected.month, expected.value) ? expected.value : QString();
    if (expected.key == u"category")
        return document.catData.contains(expected.value) ? expected.value : QString();
    if (expected.key.startsWith(u"chain "))
        return chainName(document, expected.key.section(u' ', 1));
    const auto lists = document.catData.find(expected.key.section(u' ', 2, -1));
    return lists == document.catData.end() ? QString() : lists->second[std::size_t(expected.month)].first().amount;
}

/// The first old edit the document lost, or an empty text.
QString lostEdit(const DocumentSnapshot &document, const QList<Expectation> &expectations,
                 const QList<DrivenUser::Done> &done, qint64 killedAt)
{
    QHash<int, qint64> finished;
    for (const DrivenUser::Done &command : done)
        finished.insert(command.index, command.time);
    const auto isOld = [&](const Expectation &e) {
        return finished.contains(e.index) && finished[e.index] <= killedAt - kPromise;
    };
    for (qsizetype i = 0; i < expectations.size(); ++i) {
        const Expectation &e = expectations[i];
        if (!isOld(e))
            continue;
        // An overwritten value is checked through the last old edit of its
        // key: that one's value or any later one's.
        QStringList acceptable{e.value};
        const bool overwritten = e.key != u"entry" && e.key != u"category";
        bool lastOld = true;
        for (qsizetype j = i + 1; overwritten && j < expectations.size(); ++j) {
            if (expectations[j].key != e.key)
                continue;
            lastOld = lastOld && !isOld(expectations[j]);
            acceptable << expectations[j].value;
        }
        if (!lastOld)
            continue;
        const QString held = heldValue(document, e);
        if (!acceptable.contains(held))
            return QStringLiteral("command %1 (%2 = %3): the document holds \"%4\"").arg(e.index).arg(e.key, e.value, held);
    }
    return {};
}

/// A budget of the sample's six categories with many items, so that every
/// write takes a while; written as the program writes, so it is a whole file.
QByteArray largeBudget(int items)
{
    BudgetDocument document;
    const QStringList names{"Groceries", "Rent", "Utilities", "Transport", "Dining out", "Health"};
    for (const QString &name : names)
        DocumentFixtures::addCategory(document, name);
    DocumentFixtures::setBudgets(document, QStringLiteral("2600"));
    for (int i = 0; i < items; ++i)
        DocumentFixtures::addItem(document, names[i % names.size()], i % MonthTables::kMonthCount,
                                  QString::number(i % 28 + 1), QStringLiteral("Shop %1").arg(i),
                                  QStringLiteral("%1.%2").arg(i % 400 + 1).arg(i % 90 + 10));
    return BudgetFileWriter::buildData(document);
}

/// Whether a recovery write had started (a second after the first change
/// not yet written) and not ended when the program was killed.
bool killedWhileWriting(const QStringList &log, qint64 killedAt)
{
    qint64 fires = -1;
    qint64 started = -1;
    bool ended = false;
    for (const QString &line : log) {
        const QStringList parts = line.split(u' ');
        const qint64 time = parts.value(line.startsWith(QLatin1String("done")) ? 2 : 1).toLongLong();
        if (fires >= 0 && time >= fires) {
            started = std::exchange(fires, -1);
            ended = false;
        }
        if (parts.first() == u"change" && fires < 0)
            fires = time + 1000;
        else if (parts.first() == u"written")
            ended = true;
        else if (parts.first() == u"done" && line.section(u' ', 3) == u"save")
            fires = -1;
    }
    if (fires >= 0 && fires <= killedAt)
        return true;
    return started >= 0 && !ended;
}

/// Every file the program keeps, each of which must be whole.
QStringList keptFiles(const DrivenUser &user, const QString &dataFile)
{
    QStringList files{dataFile};
    for (const QString &folder : {user.recoveryFolder(), user.backupsFolder()}) {
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
    }
    return files;
}

} // namespace

/// The real program, killed with SIGKILL: every edit older than two seconds
/// comes back through "Recover", and no file it keeps is ever damaged.
class TestKillRecovery : public QObject
{
    Q_OBJECT

private slots:
    void everyEditComesBackAfterAKill()
    {
        DrivenUser user;
        const QString dataFile = user.path("household.txt");
        QVERIFY(QFile::copy(QStringLiteral(ORRINWICK_EXAMPLES "/household-2026.txt"), dataFile));
        QFile::setPermissions(dataFile, QFile::ReadOwner | QFile::WriteOwner);
        user.setSetting(QStringLiteral("DataFile"), dataFile);
        user.setSetting(QStringLiteral("EnvelopeView"), true);
        // Grid, register, envelope editor and category editor, each through its widgets.
        user.start({QStringLiteral("rename\tGroceries\tFood"), QStringLiteral("category\tPets"),
                    QStringLiteral("add\tmar\tVet visit\t42.50"), QStringLiteral("envelope\tapr\tRent\t999"),
                    QStringLiteral("editor-rename\tFood\tFood and drink"), QStringLiteral("wait\t600000")});
        QVERIFY2(user.waitForDone(4), qPrintable(user.log().join(u'\n')));
        QTest::qWait(int(kPromise));
        user.kill();

        QVERIFY(user.run(kRecoverAndQuit));
        QCOMPARE(user.alertTitles(), QStringList{kRecoverTitle});
        const std::optional<DocumentSnapshot> saved = SnapshotFile::read(AtomicFile::read(dataFile).value_or(""));
        QVERIFY(saved);
        QCOMPARE(chainName(*saved, QStringLiteral("Food")), QStringLiteral("Food and drink"));
        QVERIFY(!chainName(*saved, QStringLiteral("Pets")).isEmpty());
        QVERIFY(holdsEntry(*saved, 2, QStringLiteral("Vet visit")));
        QCOMPARE(saved->catData.at(QStringLiteral("Rent"))[3].first().amount, QStringLiteral("999"));
        QVERIFY(!QFile::exists(OpenFileLock::lockPath(dataFile)));
    }

    /// ORRINWICK_KILL_RUNS runs (a few by default; tests/RELIABILITY.md has
    /// the long campaign), each killed at a random moment of a random script.
    void killsAtRandomMomentsLoseNoOldEdit()
    {
        const int runs = qEnvironmentVariableIsSet("ORRINWICK_KILL_RUNS")
            ? qEnvironmentVariableIntValue("ORRINWICK_KILL_RUNS")
            : 3;
        const unsigned seed = qEnvironmentVariableIsSet("ORRINWICK_KILL_SEED")
            ? unsigned(qEnvironmentVariableIntValue("ORRINWICK_KILL_SEED"))
            : 20261207u;
        std::mt19937 random(seed);
        const auto below = [&](int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random); };
        const QByteArray budget = largeBudget(30000);
        QHash<QString, int> killedIn;
        int duringWrites = 0;
        int recovered = 0;

        for (int run = 0; run < runs; ++run) {
            DrivenUser user;
            const QString dataFile = user.path("budget.txt");
            QVERIFY(AtomicFile::write(dataFile, budget));
            user.setSetting(QStringLiteral("DataFile"), dataFile);
            user.setSetting(QStringLiteral("EnvelopeView"), true);

            QStringList script;
            QList<Expectation> expectations;
            int grid = 0;
            int editor = 0;
            for (int i = 0; i < 20; ++i) {
                const int month = below(12);
                const QString monthId = MonthTables::monthIdString(month);
                const QString tag = QStringLiteral("%1-%2").arg(run).arg(i);
                switch (below(8)) {
                case 0:
                case 1:
                    script << QStringLiteral("add\t%1\tItem %2\t%3.25").arg(monthId, tag).arg(i + 1);
                    expectations.append({int(script.size() - 1), QStringLiteral("entry"), QStringLiteral("Item ") + tag, month});
                    break;
                case 2:
                    script << QStringLiteral("category\tCat %1").arg(tag);
                    expectations.append({int(script.size() - 1), QStringLiteral("category"), QStringLiteral("Cat ") + tag, 0});
                    break;
                case 3:
                    script << QStringLiteral("rename\t%1\tTransport %2")
                                  .arg(grid ? QStringLiteral("Transport %1").arg(grid) : QStringLiteral("Transport"))
                                  .arg(grid + 1);
                    ++grid;
                    expectations.append({int(script.size() - 1), QStringLiteral("chain Transport"), QStringLiteral("Transport %1").arg(grid), 0});
                    break;
                case 4:
                    script << QStringLiteral("editor-rename\t%1\tHealth %2")
                                  .arg(editor ? QStringLiteral("Health %1").arg(editor) : QStringLiteral("Health"))
                                  .arg(editor + 1);
                    ++editor;
                    expectations.append({int(script.size() - 1), QStringLiteral("chain Health"), QStringLiteral("Health %1").arg(editor), 0});
                    break;
                case 5:
                case 6: {
                    const QString name = QStringList{"Groceries", "Rent", "Utilities"}[below(3)];
                    const QString amount = QString::number(100 + run * 100 + i);
                    script << QStringLiteral("envelope\t%1\t%2\t%3").arg(monthId, name, amount);
                    expectations.append({int(script.size() - 1), QStringLiteral("envelope %1 %2").arg(monthId, name), amount, month});
                    break;
                }
                default:
                    script << QStringLiteral("save");
                }
                // Pauses as a user makes them, now and then long enough for a recovery write.
                script << QStringLiteral("wait\t%1").arg(below(5) ? below(150) : 1000 + below(1000));
            }
            script << QStringLiteral("wait\t600000");

            user.start(script);
            QVERIFY2(user.waitForDone(0, 60000), qPrintable(user.log().join(u'\n')));
            aimKill(user, script, run % 4, below);
            const qint64 killedAt = user.kill();
            const QStringList log = user.log();
            if (qEnvironmentVariableIsSet("ORRINWICK_KILL_VERBOSE"))
                qInfo("%s", qPrintable(log.join(u'\n')));
            const QList<DrivenUser::Done> done = user.done();
            const int inFlight = done.isEmpty() ? -1 : done.last().index + 1;
            ++killedIn[inFlight < 0 ? QStringLiteral("start-up") : script.value(inFlight).section(u'\t', 0, 0)];
            duringWrites += killedWhileWriting(log, killedAt) ? 1 : 0;

            for (const QString &file : keptFiles(user, dataFile))
                QVERIFY2(isWholeBudgetFile(AtomicFile::read(file).value_or("")), qPrintable(QStringLiteral("run %1: %2 is damaged").arg(run).arg(file)));

            QVERIFY2(user.run(kRecoverAndQuit, 60000), qPrintable(QStringLiteral("run %1 did not restart and quit").arg(run)));
            const QStringList alerts = user.alertTitles();
            QVERIFY2(alerts.isEmpty() || alerts == QStringList{kRecoverTitle}, qPrintable(alerts.join(u',')));
            recovered += alerts.size();
            const std::optional<DocumentSnapshot> saved = SnapshotFile::read(AtomicFile::read(dataFile).value_or(""));
            QVERIFY(saved);
            const QString lost = lostEdit(*saved, expectations, done, killedAt);
            QVERIFY2(lost.isEmpty(), qPrintable(QStringLiteral("run %1 (seed %2): %3").arg(run).arg(seed).arg(lost)));
        }
        QStringList where;
        for (auto it = killedIn.cbegin(); it != killedIn.cend(); ++it)
            where << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
        where.sort();
        qInfo("%d runs, seed %u: killed during %s; about %d during a recovery write; %d recovered",
              runs, seed, qPrintable(where.join(QStringLiteral(", "))), duringWrites, recovered);
    }
};

QTEST_GUILESS_MAIN(TestKillRecovery)
#include "tst_killrecovery.moc"
