#pragma once
// The main window's menu bar and its keyboard shortcuts, built from one table: every item's
// text (with the key name after a tab), command id, key and menu.

#include <QKeySequence>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace zelkor {

// The command ids of the menu items; the "C" button shares ClearEntryRow.
enum class Command : int {
    NewLog = 57600,
    Open = 57601,
    Save = 57603,
    SaveAs = 57604,
    Print = 32793,
    Exit = 57665,
    SummaryData = 32776,
    ShowScore = 32774,
    Progress = 32797,
    SortByDateTime = 32795,
    ClearEntryRow = 1103,
    ExportCabrillo = 32773,
    ExportVantlog = 32787,
    ExportAdif = 32772,
    Modify = 32789,
    Delete = 32790,
    Options = 32796,
    ProvinceList = 32775,
    ImportProvinceList = 32778,
    ImportHistory = 32799,
    ExportHistory = 32800,
    ClearHistory = 32801,
    PartialCheck = 32802,
    Radio = 32798,
    About = 32791,
    Instructions = 57670,
};

struct MenuItem {
    const char* menu;
    const char* text;
    Command command;
    // No key for most items.
    QKeySequence key;
    bool separatorAfter = false;
};

class MainMenu {
public:
    // The menus and items in their order.
    static const std::vector<MenuItem>& Items();

    // Builds the menu bar into the window. The keys work from anywhere in the window and are
    // taken before any control sees them; each item runs onCommand with its id.
    static QMenuBar* Create(QWidget* window, const std::function<void(Command)>& onCommand);
};

}  // namespace zelkor
