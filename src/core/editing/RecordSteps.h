#pragma once

#include "DocumentChange.h"
#include "MonthRecords.h"
#include "document/DocumentExtensions.h"

#include <memory>
#include <vector>

class BudgetDocument;

/// Records added to a month: undo takes them out again, last first; redo
/// puts them back at their places. Adding, carrying over and any bulk add
/// record this step.
class RecordsAdded final : public DocumentChange
{
public:
    RecordsAdded(const QString &name, MonthRecords &monthRecords, int month, QList<PlacedRecord> records);
    void undo() override;
    void redo() override;

private:
    MonthRecords &_monthRecords;
    int _month;
    QList<PlacedRecord> _records;
};

/// Records deleted from a month: the mirror of RecordsAdded.
class RecordsRemoved final : public DocumentChange
{
public:
    RecordsRemoved(const QString &name, MonthRecords &monthRecords, int month, QList<PlacedRecord> records);
    void undo() override;
    void redo() override;

private:
    RecordsAdded _added;
};

/// One record changed in place (one field, or a description together with
/// the category it looked up).
class RecordReplaced final : public DocumentChange
{
public:
    RecordReplaced(const QString &name, MonthRecords &monthRecords, int month, PlacedRecord before, PlacedRecord after);
    void undo() override;
    void redo() override;

private:
    MonthRecords &_monthRecords;
    int _month;
    PlacedRecord _before;
    PlacedRecord _after;
};

/// The extension records replaced as a whole, for steps that change records
/// and the links between them together.
class ExtensionsReplaced final : public DocumentChange
{
public:
    ExtensionsReplaced(BudgetDocument &document, DocumentExtensions before, DocumentExtensions after);
    void undo() override;
    void redo() override;

private:
    BudgetDocument &_document;
    DocumentExtensions _before;
    DocumentExtensions _after;
};

/// Steps that make one change together: redone in order, undone last first.
class StepGroup final : public DocumentChange
{
public:
    explicit StepGroup(const QString &name)
        : DocumentChange(name)
    { }
    void add(std::unique_ptr<DocumentChange> step) { _steps.push_back(std::move(step)); }
    void undo() override;
    void redo() override;

private:
    std::vector<std::unique_ptr<DocumentChange>> _steps;
};
