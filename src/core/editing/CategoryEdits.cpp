#include "CategoryEdits.h"

#include "TypedTextEdit.h"
#include "document/Decimal.h"
#include "document/DocumentWriter.h"

#include <QSet>

namespace {

/// The row a moved row lands on: moving up it takes the place of `to`,
/// moving down the row before it.
int landingRow(int from, int to) { return to < from ? to : to - 1; }

} // namespace

CategoryEdits::CategoryEdits(EditingSession &editing)
    : _document(editing.document())
    , _editing(editing)
{ }

CheckedText CategoryEdits::checkNewName(const QString &typed) const
{
    const CheckedText name = TextRules::checkName(typed);
    // Names are the keys of the category data: a second category of one
    // name would take over the other's transactions.
    if (name.ok() && _document.rowOfCategory(name.text) >= 0)
        return { typed, tr("There is already a category named \"%1\". Choose another name.").arg(name.text) };
    return name;
}

EditAnswer CategoryEdits::createCategory(const QString &name)
{
    if (name.isEmpty())
        return EditAnswer::unchanged();
    const CheckedText checked = checkNewName(name);
    if (!checked.ok())
        return EditAnswer::refused(checked.error);
    const auto create = [this, name = checked.text] {
        _editing.restructure([this, &name] { DocumentWriter(_document).createCategory(name, QStringLiteral("0")); });
    };
    create();
    const int row = int(_document.getCatArray().size()) - 1;
    _editing.record(std::make_unique<ReversibleChange>(
        tr("New Category"),
        [this, row] { _editing.restructure([this, row] { DocumentWriter(_document).deleteCategoryByIndex(row); }); },
        create));
    return EditAnswer::changed();
}

EditAnswer CategoryEdits::createCategories(const QList<NewCategory> &categories, const QLocale &locale)
{
    if (categories.isEmpty())
        return EditAnswer::unchanged();
    QList<NewCategory> checked;
    QSet<QString> names;
    Decimal sum;
    for (const NewCategory &category : categories) {
        CheckedText name = checkNewName(category.name);
        if (name.ok() && names.contains(name.text))
            name.error = tr("There is already a category named \"%1\". Choose another name.").arg(name.text);
        if (!name.ok())
            return EditAnswer::refused(name.error);
        names.insert(name.text);
        QString amount = QStringLiteral("0");
        if (!category.monthlyAmount.trimmed().isEmpty()) {
            const CheckedText typed = TextRules::checkAmount(category.monthlyAmount, locale);
            if (!typed.ok())
                return EditAnswer::refused(typed.error);
            amount = typed.text;
        }
        sum += Decimal::fromText(amount);
        checked.append({name.text, amount});
    }

    const int firstRow = int(_document.getCatArray().size());
    const bool envelopes = _document.isEnvelopeEnabled();
    const auto budgetsBefore = _document.budgetTotals();
    auto budgetsAfter = budgetsBefore;
    if (!envelopes && !sum.isZero())
        budgetsAfter.fill(sum.toText());
    const auto create = [this, checked, envelopes, budgetsAfter] {
        _editing.restructure([&] {
            const DocumentWriter writer(_document);
            for (const NewCategory &category : checked) {
                writer.createCategory(category.name, QStringLiteral("0"));
                if (!envelopes)
                    continue;
                for (int month = 0; month < MonthTables::kMonthCount; ++month)
                    writer.setEnvelope(category.name, month, category.monthlyAmount);
            }
            writer.setBudgets(budgetsAfter);
            writer.recalculate();
        });
    };
    const auto remove = [this, firstRow, count = int(checked.size()), budgetsBefore] {
        _editing.restructure([&] {
            const DocumentWriter writer(_document);
            for (int row = firstRow + count - 1; row >= firstRow; --row)
                writer.deleteCategoryByIndex(row);
            writer.setBudgets(budgetsBefore);
            writer.recalculate();
        });
    };
    create();
    _editing.record(std::make_unique<ReversibleChange>(
        checked.size() == 1 ? tr("New Category") : tr("New Categories"), remove, create));
    return EditAnswer::changed();
}

EditAnswer CategoryEdits::renameCategory(int row, const QString &typed)
{
    if (row < kFirstCategoryRow || row >= _document.getCatArray().size() || typed.isEmpty())
        return EditAnswer::unchanged();
    const QString before = _document.getCatArray()[row].desc;
    const auto put = [this, row](const QString &name) {
        _editing.restructure([this, row, &name] { DocumentWriter(_document).renameCategory(row, name); });
    };
    return applyTypedValue(
        _editing, tr("Rename Category"), before, typed, [this](const QString &text) { return checkNewName(text); },
        put);
}

EditAnswer CategoryEdits::deleteCategory(int row)
{
    if (row < kFirstCategoryRow || row >= _document.getCatArray().size())
        return EditAnswer::unchanged();
    // The step keeps what goes: the row and its lists, nothing else. They are
    // taken once the register's month is written back, with the records
    // typed there since.
    CategoryRow category;
    MonthLists lists;
    // The records that name the category go with it and come back with it.
    DocumentExtensions extensions;
    _editing.restructure([&] {
        category = _document.getCatArray()[row];
        if (const auto found = _document.getCatDataDictionary().find(category.desc);
            found != _document.getCatDataDictionary().end())
            lists = found->second;
        extensions = _document.extensions();
        DocumentWriter(_document).deleteCategoryByIndex(row);
    });
    const auto remove
        = [this, row] { _editing.restructure([this, row] { DocumentWriter(_document).deleteCategoryByIndex(row); }); };
    _editing.record(std::make_unique<ReversibleChange>(
        tr("Delete Category"),
        [this, row, category, lists, extensions] {
            DocumentWriter(_document).setExtensions(extensions);
            _editing.restructure([&] { DocumentWriter(_document).insertCategory(row, category, lists); });
        },
        remove));
    return EditAnswer::changed();
}

EditAnswer CategoryEdits::moveCategory(int from, int to)
{
    const int rows = int(_document.getCatArray().size());
    if (from < kFirstCategoryRow || from >= rows || to < kFirstCategoryRow || to > rows || to == from || to == from + 1)
        return EditAnswer::unchanged();
    const int landed = landingRow(from, to);
    // Back from where it landed to where it was: before the row now at
    // `from` when that lies above, before the one after it when below.
    const int back = from < landed ? from : from + 1;
    const auto move = [this](int a, int b) {
        _editing.restructure([this, a, b] { DocumentWriter(_document).moveCategoryRow(a, b); });
    };
    move(from, to);
    _editing.record(std::make_unique<ReversibleChange>(
        tr("Move Category"), [move, landed, back] { move(landed, back); }, [move, from, to] { move(from, to); }));
    return EditAnswer::changed();
}
