#include "RecordSteps.h"

#include "document/DocumentWriter.h"

RecordsAdded::RecordsAdded(const QString &name, MonthRecords &monthRecords, int month, QList<PlacedRecord> records)
    : DocumentChange(name)
    , _monthRecords(monthRecords)
    , _month(month)
    , _records(std::move(records))
{ }

void RecordsAdded::undo()
{
    for (auto placed = _records.crbegin(); placed != _records.crend(); ++placed)
        _monthRecords.takeRecord(_month, placed->record.id);
    _monthRecords.recordsChanged(_month);
}

void RecordsAdded::redo()
{
    // In order: each record's place is one put before it or one that stayed.
    for (const PlacedRecord &placed : std::as_const(_records))
        _monthRecords.putRecord(_month, placed.record, placed.place);
    _monthRecords.recordsChanged(_month);
}

RecordsRemoved::RecordsRemoved(const QString &name, MonthRecords &monthRecords, int month, QList<PlacedRecord> records)
    : DocumentChange(name)
    , _added(name, monthRecords, month, std::move(records))
{ }

void RecordsRemoved::undo() { _added.redo(); }

void RecordsRemoved::redo() { _added.undo(); }

RecordReplaced::RecordReplaced(const QString &name, MonthRecords &monthRecords, int month, PlacedRecord before,
                               PlacedRecord after)
    : DocumentChange(name)
    , _monthRecords(monthRecords)
    , _month(month)
    , _before(std::move(before))
    , _after(std::move(after))
{ }

void RecordReplaced::undo()
{
    _monthRecords.replaceRecord(_month, _after.record.id, _before.record, _before.place.afterInCategory);
    _monthRecords.recordsChanged(_month);
}

void RecordReplaced::redo()
{
    _monthRecords.replaceRecord(_month, _before.record.id, _after.record, _after.place.afterInCategory);
    _monthRecords.recordsChanged(_month);
}

ExtensionsReplaced::ExtensionsReplaced(BudgetDocument &document, DocumentExtensions before, DocumentExtensions after)
    : DocumentChange(QString())
    , _document(document)
    , _before(std::move(before))
    , _after(std::move(after))
{ }

void ExtensionsReplaced::undo() { DocumentWriter(_document).setExtensions(_before); }

void ExtensionsReplaced::redo() { DocumentWriter(_document).setExtensions(_after); }

void StepGroup::undo()
{
    for (auto step = _steps.rbegin(); step != _steps.rend(); ++step)
        (*step)->undo();
}

void StepGroup::redo()
{
    for (const std::unique_ptr<DocumentChange> &step : _steps)
        step->redo();
}
