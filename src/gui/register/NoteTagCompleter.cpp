#include "NoteTagCompleter.h"

#include "tags/NoteTags.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStringListModel>

NoteTagCompleter::NoteTagCompleter(QLineEdit &editor, Tags tags)
    : QObject(&editor)
    , _editor(editor)
    , _tags(std::move(tags))
    , _completer(new QCompleter(this))
    , _model(new QStringListModel(this))
{
    _completer->setModel(_model);
    // Not the line edit's own completer, which would replace the whole note.
    _completer->setWidget(&_editor);
    _completer->setCompletionMode(QCompleter::PopupCompletion);
    _completer->setCaseSensitivity(Qt::CaseInsensitive);
    _completer->popup()->setAccessibleName(tr("Tags of the year"));
    connect(&_editor, &QLineEdit::textEdited, this, &NoteTagCompleter::textEdited);
    connect(_completer, qOverload<const QString &>(&QCompleter::activated), this, &NoteTagCompleter::insert);
}

void NoteTagCompleter::textEdited()
{
    const QString text = _editor.text();
    const int cursor = _editor.cursorPosition();
    _start = NoteTags::typedTagStart(text, cursor);
    if (_start < 0) {
        _completer->popup()->hide();
        return;
    }
    if (!_tagsRead) {
        _model->setStringList(_tags());
        _tagsRead = true;
    }
    _completer->setCompletionPrefix(text.mid(_start, cursor - _start));
    // Nothing left to offer: the tag typed is new, or already whole.
    if (_completer->completionCount() == 0
        || (_completer->completionCount() == 1 && _completer->currentCompletion() == _completer->completionPrefix())) {
        _completer->popup()->hide();
        return;
    }
    _completer->complete();
}

void NoteTagCompleter::insert(const QString &tag)
{
    if (_start < 0)
        return;
    QString text = _editor.text();
    // The tag's characters after the cursor are part of what is replaced.
    const qsizetype end = NoteTags::tagCharactersEnd(text, _editor.cursorPosition());
    text.replace(_start, end - _start, tag);
    _editor.setText(text);
    _editor.setCursorPosition(int(_start + tag.size()));
    _start = -1;
}
