// pmPaper, the canvas's context menu (the program has no menu bar), built from one table.
#include "app/main_window.h"

#include <QActionGroup>
#include <QMenu>

#include <vector>

namespace lumeris {

namespace {

enum class Row {
    Action,    // an action of the table, under its own caption
    ShownAs,   // an action of the table under the menu's caption
    Entry,     // the menu's own entry with its handler
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
    const char* caption = "";
    void (TfrmMain::*click)() = nullptr;
    unsigned flags = 0;
    const char* action = ""; // ShownAs: the action of the table it runs
};

const MenuRow PaperMenu[] = {
    {Row::Submenu, "mFile", "Файл"},
    {Row::Action, "aNew"},
    {Row::Action, "aOpen"},
    {Row::Action, "aSave"},
    {Row::Action, "aSaveAs"},
    {Row::Action, "aImport"},
    {Row::Action, "aExport"},
    {Row::Separator, ""},
    {Row::Action, "aPrint"},
    {Row::Action, "aPrintWhole"},
    {Row::Action, "aExportPicture"},
    {Row::Action, "aExitDontSave"},
    {Row::Separator, ""},
    {Row::Entry, "mAbout", "О программе...", &TfrmMain::AboutClick},
    {Row::Separator, ""},
    {Row::Action, "aExit"},
    {Row::End, ""},

    {Row::Submenu, "mEdit", "Правка"},
    {Row::ShownAs, "mNewItem", "Новая точка", nullptr, 0, "aNewItem"},
    {Row::Action, "aDelete"},
    {Row::Separator, ""},
    {Row::Action, "aCut"},
    {Row::Action, "aCopy"},
    {Row::Action, "aPaste"},
    {Row::Separator, ""},
    {Row::Action, "aAddFavorites"},
    {Row::Action, "aAlign"},
    {Row::ShownAs, "mMatrix", "Матрица...", nullptr, 0, "aMatrix"},
    {Row::Separator, ""},
    {Row::Action, "aUndo"},
    {Row::Action, "aRedo"},
    {Row::End, ""},

    {Row::Submenu, "mMisc", "Misc", nullptr, Hidden},
    {Row::Entry, "PasteLisp1", "Paste Lisp src", &TfrmMain::PasteLisp1Click},
    {Row::End, ""},

    {Row::Separator, ""},
    {Row::ShownAs, "mRunning", "Выполнять", nullptr, Checkable | Checked, "aRun"},
    {Row::Action, "aStep"},
    {Row::Action, "aResetPoint"},
    {Row::Action, "aReset"},
    {Row::Action, "aTeach"},
    {Row::Entry, "N1", "Инвентировать связи", &TfrmMain::N1Click},

    {Row::Submenu, "mValues", "Значения", nullptr, Hidden},
    {Row::Entry, "mLogicBoolean", "Двоичные (boolean)", &TfrmMain::mLogicBooleanClick, Radio},
    {Row::Entry, "mLogicVolumes", "Нечеткие (fuzzy)", &TfrmMain::mLogicVolumesClick,
     Radio | Checked},
    {Row::Entry, "mLogicReal", "Действительные (real)", &TfrmMain::mLogicRealClick, Radio},
    {Row::End, ""},

    {Row::Separator, ""},
    {Row::Entry, "mPicture", "Рисунок...", &TfrmMain::mPictureClick, Checkable},
    {Row::Action, "aShowValues"},
    {Row::Action, "aShowVolumes"},
    {Row::Action, "aValueChart"},
    {Row::Entry, "mShowLinks", "Линии", &TfrmMain::mShowLinksClick, Checkable | Checked},
    {Row::Entry, "mShowNames", "Названия ", &TfrmMain::mShowNamesClick, Checkable | Checked},
    {Row::Separator, ""},
    {Row::Action, "aLoops"},
};

} // namespace

void TfrmMain::createMenu() {
    pmPaper = new QMenu(this);
    pmPaper->setObjectName("pmPaper");
    std::vector<QMenu*> open{pmPaper};
    for (const MenuRow& row : PaperMenu) {
        QMenu* menu = open.back();
        QAction* item = nullptr;
        switch (row.kind) {
        case Row::Action:
            menu->addAction(actions_.at(row.name));
            break;
        case Row::ShownAs: {
            QAction* target = actions_.at(row.action);
            item = menu->addAction(QString::fromUtf8(row.caption));
            item->setObjectName(row.name);
            item->setShortcut(target->shortcut());
            item->setShortcutContext(Qt::WidgetShortcut); // the action itself owns the key
            connect(item, &QAction::triggered, target, &QAction::trigger);
            break;
        }
        case Row::Entry:
            item = menu->addAction(QString::fromUtf8(row.caption));
            item->setObjectName(row.name);
            connect(item, &QAction::triggered, this, row.click);
            break;
        case Row::Submenu: {
            QMenu* sub = menu->addMenu(QString::fromUtf8(row.caption));
            sub->setObjectName(row.name);
            sub->menuAction()->setObjectName(row.name);
            sub->menuAction()->setVisible(!(row.flags & Hidden));
            open.push_back(sub);
            break;
        }
        case Row::End:
            open.pop_back();
            break;
        case Row::Separator:
            menu->addSeparator();
            break;
        }
        if (!item)
            continue;
        if (row.flags & Radio) {
            auto* group = menu->findChild<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly);
            (group ? group : new QActionGroup(menu))->addAction(item);
        }
        item->setCheckable(row.flags & (Checkable | Radio));
        item->setChecked(row.flags & Checked);
    }

    connect(pmPaper, &QMenu::aboutToShow, this, [this] {
        world_.input.PopupShown = true;
        syncChecks();
    });
}

} // namespace lumeris
