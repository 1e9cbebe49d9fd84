#pragma once

#include "DocumentChange.h"

#include <functional>

/// A change told by two small actions: one that takes it back and one that
/// makes it again. What they capture is all the step holds.
class ReversibleChange final : public DocumentChange
{
public:
    using Action = std::function<void()>;

    ReversibleChange(const QString &name, Action undo, Action redo)
        : DocumentChange(name)
        , _undo(std::move(undo))
        , _redo(std::move(redo))
    { }

    /// A change of one text value, put back and forth through `put`.
    [[nodiscard]] static std::unique_ptr<DocumentChange> ofValue(const QString &name, const QString &before,
                                                                 const QString &after,
                                                                 const std::function<void(const QString &)> &put)
    {
        return std::make_unique<ReversibleChange>(
            name, [put, before] { put(before); }, [put, after] { put(after); });
    }

    void undo() override { _undo(); }
    void redo() override { _redo(); }

private:
    Action _undo;
    Action _redo;
};
