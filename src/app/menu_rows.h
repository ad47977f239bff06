// The rows the window's menus are built from: the canvas menu (paper_menu.cpp) and the menu
// bar (menu_bar.cpp) are tables of these, read by TfrmMain::fillMenu (menu_rows.cpp).
#pragma once

namespace lumeris {

class TfrmMain;

enum class Row {
    Action,    // an action of the table, under its own caption
    ShownAs,   // an action of the table under the menu's caption
    Entry,     // the menu's own entry with its handler
    Paper,     // an entry of the canvas menu, the same entry (its check mark included)
    Submenu,   // opens a submenu; the rows up to its End go into it
    End,       // closes the submenu
    Separator, //
};

enum Flags : unsigned {
    Checkable = 1,
    Checked = 2,
    Hidden = 4, // a submenu that exists but is not shown
    Radio = 8,  // one of the submenu's mutually exclusive entries
};

struct MenuRow {
    Row kind;
    const char* name;
    const char* caption = ""; // looked up through the translations (context "Menu")
    void (TfrmMain::*click)() = nullptr;
    unsigned flags = 0;
    const char* action = ""; // ShownAs: the action of the table it runs
};

} // namespace lumeris
