#pragma once

#include "SampleBudget.h"

#include <QObject>
#include <QPointer>

class HandbookWindow;
class MyDataSource;
class QAction;
class Settings;

/// The Help menu's commands: the handbook (F1), the keyboard shortcuts and
/// the sample budget. F1 in any other window of the program opens the page
/// that window names (HandbookPage). Installs its actions above About.
class HelpCommands final : public QObject
{
    Q_OBJECT

public:
    HelpCommands(MyDataSource &dataSource, Settings &settings, QObject *parent = nullptr);
    ~HelpCommands() override;
    Q_DISABLE_COPY_MOVE(HelpCommands)

    [[nodiscard]] QAction *handbookAction() const { return _handbook; }
    [[nodiscard]] QAction *shortcutsAction() const { return _shortcuts; }
    [[nodiscard]] QAction *sampleAction() const { return _sample; }

    /// Opens the handbook on the page (the contents when empty or unknown)
    /// over `from`'s window, or brings it forward there.
    void openHandbook(const QString &page = {}, QWidget *from = nullptr);
    /// The handbook while it is open.
    [[nodiscard]] HandbookWindow *handbookWindow() const;
    void showKeyboardShortcuts();
    /// Opens a fresh copy of the sample budget, its title saying so.
    void openSampleBudget();
    /// The sample's copy, whether or not it is open.
    [[nodiscard]] QString samplePath() const { return _sampleBudget.copyPath(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void noteSampleInTitle();

    MyDataSource &_dataSource;
    Settings &_settings;
    QAction *_handbook;
    QAction *_shortcuts;
    QAction *_sample;
    QPointer<HandbookWindow> _window;
    SampleBudget _sampleBudget;
    /// The file the settings named before the sample was opened.
    QString _fileBeforeSample;
};
