#pragma once

#include <QString>

#include <memory>

/// One change the user made to the document, as the undo history keeps it:
/// just what the change touched, before and after. The change has been made
/// when it is recorded; undo() and redo() then take it back and make it again,
/// each on the document as the other left it.
class DocumentChange
{
public:
    explicit DocumentChange(QString name)
        : _name(std::move(name))
    { }
    virtual ~DocumentChange() = default;
    Q_DISABLE_COPY_MOVE(DocumentChange)

    /// What Undo and Redo call it ("Edit Budget", "Delete Transactions").
    [[nodiscard]] const QString &name() const { return _name; }

    virtual void undo() = 0;
    virtual void redo() = 0;

private:
    QString _name;
};

/// Where the document's operations hand each change they made: the undo
/// history, or nothing.
class ChangeLog
{
public:
    virtual ~ChangeLog() = default;
    virtual void record(std::unique_ptr<DocumentChange> change) = 0;
};
