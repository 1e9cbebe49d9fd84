#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QCompleter;
class QLineEdit;
class QStringListModel;

/// Completes the tag being typed in a note editor: once the text before the
/// cursor is "#" and tag characters, a list of the year's tags that begin
/// so pops up, and the one chosen replaces the part typed. The rest of the
/// note stays as it is.
class NoteTagCompleter final : public QObject
{
    Q_OBJECT

public:
    using Tags = std::function<QStringList()>;

    /// Belongs to `editor`. The year's tags are asked for the first time a
    /// tag is typed, so an editor that never sees one costs nothing.
    NoteTagCompleter(QLineEdit &editor, Tags tags);

    [[nodiscard]] QCompleter &completer() const { return *_completer; }

private:
    void textEdited();
    void insert(const QString &tag);

    QLineEdit &_editor;
    Tags _tags;
    QCompleter *_completer;
    QStringListModel *_model;
    bool _tagsRead = false;
    qsizetype _start = -1; // where the tag being typed begins
};
