#include "YearCommandLine.h"

#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/MonthTables.h"
#include "editing/DocumentEditing.h"
#include "editing/DocumentSetup.h"
#include "platform/AtomicFile.h"
#include "platform/StderrAlerts.h"
#include "print/PrintPageSetup.h"
#include "print/PrintRenderer.h"
#include "print/PrintoutHtml.h"
#include "register/CheckViewHost.h"
#include "register/voCheckViewData.h"
#include "safety/UnattendedSave.h"
#include "year/LastYearLink.h"
#include "year/NewYearBudget.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <optional>

namespace YearCommandLine {

namespace {

int fail(int status, const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("orrinwick: ") + message + u'\n'), stderr);
    if (status == 2)
        std::fputs("Try 'orrinwick --help' for more information.\n", stderr);
    return status;
}

/// The budget file read as the program reads it at start-up: fixed rows first, items sorted by day.
bool load(BudgetDocument &document, const QString &path)
{
    StderrAlerts alerts;
    return BudgetFileReader::loadFile(document, path, alerts, {}) == BudgetFileReader::LoadResult::Loaded;
}

/// The register's data needs a window to tell its totals; the printout computes its own.
class NoWindow final : public CheckViewHost
{
public:
    void setMonthTitle(int) override { }
    void setTotal(const QString &, const QString &) override {}
};

} // namespace

int newYear(const QString &in, const QString &out, const Settings &settings)
{
    // Locked first: a window that opens the name meanwhile would save over it.
    UnattendedSave save(out, settings);
    if (const std::optional<OpenFileLock::Holder> holder = save.lock())
        return fail(1, UnattendedSave::heldMessage(out, *holder));
    // Next year's file starts empty of transactions: writing it over an
    // existing file (this year's, say) would throw them away.
    if (QFileInfo::exists(out))
        return fail(1, QStringLiteral("%1 already exists; nothing was written").arg(out));
    BudgetDocument document;
    if (!load(document, in))
        return 1;
    DocumentSnapshot next = NewYearBudget::from(document, in);
    LastYearLink::setLink(next.extensions, out, in);
    DocumentSetup::restore(document, next);
    if (const std::optional<QString> error = save.write(document))
        return fail(1, *error);
    return 0;
}

int pdf(const QString &in, const QString &out, bool envelope, const QStringList &arguments)
{
    std::optional<int> month;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--month")); at >= 0) {
        bool ok = false;
        const int number = arguments.value(at + 1).toInt(&ok);
        if (!ok || number < 1 || number > MonthTables::kMonthCount)
            return fail(2, QStringLiteral("--month needs a month number from 1 to 12"));
        month = number - 1;
    }

    BudgetDocument document;
    DocumentSetup::setEnvelopeView(document, envelope);
    if (!load(document, in))
        return 1;
    const QString title = QFileInfo(in).completeBaseName();
    QString html;
    if (month) {
        NoWindow window;
        DocumentEditing edits(document);
        voCheckViewData data(edits, window);
        data.loadMonth(*month);
        html = PrintoutHtml::monthRegisterPage(PrintoutHtml::monthRegister(data, document), title);
    } else {
        html = PrintoutHtml::budgetGrid(document, title);
    }
    const QByteArray bytes = PrintRenderer::pdf(html, PrintPageSetup::pageLayoutFor(QLocale()), !month, title);
    if (!AtomicFile::write(out, bytes))
        return fail(1, QStringLiteral("%1 could not be written").arg(out));
    return 0;
}

} // namespace YearCommandLine
