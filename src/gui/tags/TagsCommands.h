#pragma once

#include "TagsWindow.h"

#include <QObject>
#include <QPointer>

#include <optional>

class Alerts;
class FilePanels;
class MyDataSource;
class QAction;
class RefreshAfterBurst;

/// Window → Tags: opens the Tags window and keeps it following the budget,
/// and exports its table as CSV or PDF. The figures are TagTotals', the
/// ones --tags prints.
class TagsCommands final : public QObject
{
    Q_OBJECT

public:
    TagsCommands(MyDataSource &dataSource, FilePanels &filePanels, Alerts &alerts, QObject *parent = nullptr);
    ~TagsCommands() override;
    Q_DISABLE_COPY_MOVE(TagsCommands)

    /// Opens the window, or brings the open one forward.
    void menuTags();
    void exportCsv();
    void exportPdf();

    /// The Tags window while it is open.
    [[nodiscard]] TagsWindow *window() const { return _window; }

private:
    void refresh();
    /// Asks where the export goes, beside the budget and named after it.
    [[nodiscard]] std::optional<QString> exportPath(const QString &title, const QString &suffix);
    [[nodiscard]] QWidget *dialogParent() const;

    MyDataSource &_dataSource;
    FilePanels &_filePanels;
    Alerts &_alerts;
    QAction *_action;
    RefreshAfterBurst *_refresh;
    QPointer<TagsWindow> _window;
};
