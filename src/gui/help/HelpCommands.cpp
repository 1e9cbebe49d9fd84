#include "HelpCommands.h"

#include "HandbookPage.h"
#include "HandbookWindow.h"
#include "ShortcutsDialog.h"

#include "app/FileCommands.h"
#include "app/MainWindow.h"
#include "app/MyDataSource.h"
#include "platform/ModalLoop.h"
#include "platform/Settings.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

HelpCommands::HelpCommands(MyDataSource &dataSource, Settings &settings, QObject *parent)
    : QObject(parent)
    , _dataSource(dataSource)
    , _settings(settings)
    , _handbook(new QAction(tr("Orrinwick &Handbook"), this))
    , _shortcuts(new QAction(tr("&Keyboard Shortcuts"), this))
    , _sample(new QAction(tr("Open the &Sample Budget"), this))
{
    _handbook->setObjectName(QStringLiteral("actionHandbook"));
    _handbook->setShortcuts(QKeySequence::HelpContents);
    _handbook->setStatusTip(tr("Read how Orrinwick works, page by page, with a search"));
    _shortcuts->setObjectName(QStringLiteral("actionKeyboardShortcuts"));
    _shortcuts->setStatusTip(tr("List every keyboard shortcut of the menus and the main window"));
    _sample->setObjectName(QStringLiteral("actionOpenSample"));
    _sample->setStatusTip(tr("Open a copy of a household's sample budget to try things out; your own file stays as it is"));

    MainWindow &window = _dataSource.mainWindow();
    window.insertActions(MenuPlace::HelpBeforeAbout, {_handbook, _shortcuts, nullptr, _sample, nullptr});

    connect(_handbook, &QAction::triggered, this, [this] { openHandbook(); });
    connect(_shortcuts, &QAction::triggered, this, &HelpCommands::showKeyboardShortcuts);
    connect(_sample, &QAction::triggered, this, &HelpCommands::openSampleBudget);
    connect(&window, &QWidget::windowTitleChanged, this, &HelpCommands::noteSampleInTitle);
    qApp->installEventFilter(this);
}

HelpCommands::~HelpCommands()
{
    // The copy goes with this object: the next start opens the user's own file.
    if (!_sampleBudget.copyPath().isEmpty() && _settings.dataFile() == _sampleBudget.copyPath())
        _settings.setValue(Settings::kDataFile, _fileBeforeSample);
}

void HelpCommands::openHandbook(const QString &page, QWidget *from)
{
    // A window under a modal one takes no input; the handbook opened over
    // the modal window does.
    QWidget *over = QApplication::activeModalWidget();
    if (!over)
        over = from ? from->window() : &_dataSource.mainWindow();
    if (_window && _window->parentWidget() != over) {
        _window->close();
        _window = nullptr;
    }
    if (!_window) {
        _window = new HandbookWindow(over);
        _window->setAttribute(Qt::WA_DeleteOnClose);
    }
    _window->showPage(page.isEmpty() ? Handbook::kContentsPage : page);
    _window->show();
    _window->raise();
    _window->activateWindow();
}

HandbookWindow *HelpCommands::handbookWindow() const
{
    return _window;
}

void HelpCommands::showKeyboardShortcuts()
{
    ShortcutsDialog shortcuts(_dataSource.mainWindow(), &_dataSource.mainWindow());
    shortcuts.show();
    ModalLoop::current().run(&shortcuts);
}

void HelpCommands::openSampleBudget()
{
    if (_dataSource.dataFileName() == _sampleBudget.copyPath())
        return;
    const QString before = _settings.dataFile();
    const QString copy = _sampleBudget.makeCopy();
    if (copy.isEmpty())
        return;
    _fileBeforeSample = before;
    // The copy lies in no working copy: it opens without an update.
    _dataSource.files().openFile(copy, false);
}

void HelpCommands::noteSampleInTitle()
{
    MainWindow &window = _dataSource.mainWindow();
    if (_dataSource.dataFileName() != _sampleBudget.copyPath() || window.windowTitle() != _sampleBudget.copyPath())
        return;
    window.setWindowTitle(tr("Sample Budget (a copy): %1").arg(_sampleBudget.copyPath()));
}

bool HelpCommands::eventFilter(QObject *watched, QEvent *event)
{
    // The main window's F1 is the Handbook command; another window's F1
    // opens the page it names.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = static_cast<QWidget *>(watched);
        QWidget *window = widget->window();
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier && window != &_dataSource.mainWindow()
            && !qobject_cast<HandbookWindow *>(window)) {
            openHandbook(HandbookPage::of(widget), widget);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
