#include "LastYearBudget.h"

#include "BookedSums.h"
#include "LastYearLink.h"
#include "YearComparison.h"
#include "document/BudgetDocument.h"
#include "document/BudgetFileReader.h"
#include "document/EnvelopeCarry.h"
#include "editing/DocumentSetup.h"
#include "platform/FileRead.h"

#include <QFileInfo>

LastYearBudget::LastYearBudget() = default;
LastYearBudget::~LastYearBudget() = default;

void LastYearBudget::follow(const DocumentExtensions &thisYear, const QString &thisPath)
{
    open(LastYearLink::linkedPath(thisYear, thisPath).value_or(QString()));
}

void LastYearBudget::open(const QString &path)
{
    if (path == _path && (_document || _unreadable)) {
        refresh();
        return;
    }
    _path = path;
    read();
}

bool LastYearBudget::refresh()
{
    if (_path.isEmpty())
        return false;
    const QFileInfo info(_path);
    const bool exists = info.exists();
    if (!exists && _size < 0)
        return false;
    if (exists && _size >= 0 && info.lastModified() == _modified && info.size() == _size)
        return false;
    read();
    return true;
}

void LastYearBudget::read()
{
    _document.reset();
    _unreadable = false;
    _size = -1;
    _modified = {};
    if (_path.isEmpty())
        return;
    const QFileInfo info(_path);
    const FileRead::Result file = FileRead::whole(_path);
    if (!file.ok()) {
        _unreadable = true;
        return;
    }
    _size = file.size;
    _modified = info.lastModified();
    auto document = std::make_unique<BudgetDocument>();
    DocumentSetup::setEnvelopeView(*document, true);
    if (BudgetFileReader::loadBytes(*document, file.bytes, {}) != BudgetFileReader::LoadResult::Loaded) {
        _unreadable = true;
        return;
    }
    _document = std::move(document);
}

QString LastYearBudget::note() const
{
    if (_path.isEmpty() || _document)
        return {};
    const QString name = QFileInfo(_path).fileName();
    if (!QFileInfo::exists(_path))
        return tr("Last year's budget %1 is not there").arg(name);
    return tr("Last year's budget %1 could not be read").arg(name);
}

QString LastYearBudget::matchOf(const DocumentExtensions &thisYear, const QString &category) const
{
    return _document ? YearComparison::lastNameOf(thisYear, *_document, category) : QString();
}

Decimal LastYearBudget::booked(const QString &lastName, int month) const
{
    return _document ? BookedSums::of(*_document, lastName, month) : Decimal();
}

QString LastYearBudget::budgetOf(const QString &lastName, int month) const
{
    if (!_document || month < 0 || month >= MonthTables::kMonthCount)
        return QStringLiteral("0");
    if (lastName.isEmpty())
        return _document->budgetTotals()[std::size_t(month)];
    const EntryList *list = _document->entryList(lastName, month);
    return list && !list->isEmpty() ? list->first().amount : QStringLiteral("0");
}

std::unordered_map<QString, QString> LastYearBudget::closingFor(const BudgetDocument &thisYear) const
{
    std::unordered_map<QString, QString> closing;
    if (!_document)
        return closing;
    const EnvelopeCarry lastCarry(_document->extensions());
    const QList<CategoryRow> &rows = thisYear.getCatArray();
    for (int row = kFirstCategoryRow; row < rows.size(); ++row) {
        const QString lastName = matchOf(thisYear.extensions(), rows[row].desc);
        if (lastName.isEmpty() || lastCarry.modeOf(lastName) == CarryMode::None)
            continue;
        const int lastRow = _document->rowOfCategory(lastName);
        closing.emplace(rows[row].desc, _document->getCatArray()[lastRow].months[MonthTables::kMonthCount - 1]);
    }
    return closing;
}
