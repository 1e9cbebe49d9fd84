#pragma once

/// The main window's own commands, each known by this one name. The file
/// commands that depend on file operations being allowed carry the numbers
/// of their enabling rule (validateMenuItem).
enum class MenuCommand {
    Open = 20002,
    New = 20003,
    SaveAs = 20004,
    Save = 20005,
    OpenRecent,
    RestoreBackup,
    ExportGrid,
    ExportShownMonth,
    Quit,
    NewCategory,
    DeleteCategory,
    Preferences,
    Charts,
    About,
};

/// The main window's menus that other parts follow or fill.
enum class MainMenuName { File, OpenRecent, Export, ExportMonth, Edit, Help };

/// Where another part puts its own menu items.
enum class MenuPlace {
    FileBeforeOpen,
    FileAfterOpenRecent,
    FileBeforeExport,
    /// After Export, before the separator above Quit.
    FileAfterExport,
    /// The head of the Edit menu, a separator below.
    EditFirst,
    /// After the category commands, before the separator above Preferences.
    EditBeforePreferences,
    WindowLast,
    HelpBeforeAbout,
};
