#pragma once

#include <QObject>
#include <QString>

class QMimeData;
class QWidget;

/// Files dropped on a window, as an event filter on it. A budget file (told
/// by its first line, as the desktop's file type is) is handed on to be
/// opened; any other file to whoever reads other kinds.
class FileDropHandler final : public QObject
{
    Q_OBJECT

public:
    /// Makes `window` take drops and filters its drag and drop events.
    explicit FileDropHandler(QWidget &window);

    /// Whether the file at `path` begins with a budget file's first line.
    [[nodiscard]] static bool isBudgetFile(const QString &path);

signals:
    void budgetFileDropped(const QString &path);
    void otherFileDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// The one local file a drag carries; empty for anything else.
    [[nodiscard]] static QString droppedFile(const QMimeData *data);
};
