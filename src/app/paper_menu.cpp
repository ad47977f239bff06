// pmPaper, the canvas's context menu (the program has no menu bar), built from one table; the
// captions are translated as the menu is made.
#include "app/main_window.h"

#include <QActionGroup>
#include <QCoreApplication>
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
    {Row::Submenu, "mFile", QT_TRANSLATE_NOOP("Menu", "Файл")},
    {Row::Action, "aNew"},
    {Row::Action, "aOpen"},
    {Row::Action, "aSave"},
    {Row::Action, "aSaveAs"},
    {Row::Separator, ""},
    {Row::Action, "aPrint"},
    {Row::Action, "aExitDontSave"},
    {Row::Separator, ""},
    // The caption is in both languages, so that a user lost in either finds it.
    {Row::Submenu, "mLanguage", QT_TRANSLATE_NOOP("Menu", "Язык / Language")},
    {Row::Entry, "mLanguageRussian", QT_TRANSLATE_NOOP("Menu", "Русский"),
     &TfrmMain::mLanguageRussianClick, Radio},
    {Row::Entry, "mLanguageEnglish", QT_TRANSLATE_NOOP("Menu", "English"),
     &TfrmMain::mLanguageEnglishClick, Radio},
    {Row::End, ""},
    {Row::Entry, "mAbout", QT_TRANSLATE_NOOP("Menu", "О программе..."), &TfrmMain::AboutClick},
    {Row::Separator, ""},
    {Row::Action, "aExit"},
    {Row::End, ""},

    {Row::Submenu, "mEdit", QT_TRANSLATE_NOOP("Menu", "Правка")},
    {Row::ShownAs, "mNewItem", QT_TRANSLATE_NOOP("Menu", "Новая точка"), nullptr, 0, "aNewItem"},
    {Row::Action, "aDelete"},
    {Row::Separator, ""},
    {Row::Action, "aCut"},
    {Row::Action, "aCopy"},
    {Row::Action, "aPaste"},
    {Row::Separator, ""},
    {Row::Action, "aAddFavorites"},
    {Row::Action, "aAlign"},
    {Row::ShownAs, "mMatrix", QT_TRANSLATE_NOOP("Menu", "Матрица..."), nullptr, 0, "aMatrix"},
    {Row::Separator, ""},
    {Row::Action, "aUndo"},
    {Row::Action, "aRedo"},
    {Row::End, ""},

    {Row::Submenu, "mMisc", QT_TRANSLATE_NOOP("Menu", "Misc"), nullptr, Hidden},
    {Row::Entry, "PasteLisp1", QT_TRANSLATE_NOOP("Menu", "Paste Lisp src"),
     &TfrmMain::PasteLisp1Click},
    {Row::End, ""},

    {Row::Separator, ""},
    {Row::ShownAs, "mRunning", QT_TRANSLATE_NOOP("Menu", "Выполнять"), nullptr, Checkable | Checked,
     "aRun"},
    {Row::Action, "aStep"},
    {Row::Action, "aResetPoint"},
    {Row::Action, "aReset"},
    {Row::Action, "aTeach"},
    {Row::Entry, "N1", QT_TRANSLATE_NOOP("Menu", "Инвентировать связи"), &TfrmMain::N1Click},

    {Row::Submenu, "mValues", QT_TRANSLATE_NOOP("Menu", "Значения"), nullptr, Hidden},
    {Row::Entry, "mLogicBoolean", QT_TRANSLATE_NOOP("Menu", "Двоичные (boolean)"),
     &TfrmMain::mLogicBooleanClick, Radio},
    {Row::Entry, "mLogicVolumes", QT_TRANSLATE_NOOP("Menu", "Нечеткие (fuzzy)"),
     &TfrmMain::mLogicVolumesClick, Radio | Checked},
    {Row::Entry, "mLogicReal", QT_TRANSLATE_NOOP("Menu", "Действительные (real)"),
     &TfrmMain::mLogicRealClick, Radio},
    {Row::End, ""},

    {Row::Separator, ""},
    {Row::Entry, "mPicture", QT_TRANSLATE_NOOP("Menu", "Рисунок..."), &TfrmMain::mPictureClick,
     Checkable},
    {Row::Action, "aShowValues"},
    {Row::Action, "aShowVolumes"},
    {Row::Entry, "mShowLinks", QT_TRANSLATE_NOOP("Menu", "Линии"), &TfrmMain::mShowLinksClick,
     Checkable | Checked},
    {Row::Entry, "mShowNames", QT_TRANSLATE_NOOP("Menu", "Названия "), &TfrmMain::mShowNamesClick,
     Checkable | Checked},
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
            item = menu->addAction(QCoreApplication::translate("Menu", row.caption));
            item->setObjectName(row.name);
            item->setShortcut(target->shortcut());
            item->setShortcutContext(Qt::WidgetShortcut); // the action itself owns the key
            connect(item, &QAction::triggered, target, &QAction::trigger);
            break;
        }
        case Row::Entry:
            item = menu->addAction(QCoreApplication::translate("Menu", row.caption));
            item->setObjectName(row.name);
            connect(item, &QAction::triggered, this, row.click);
            break;
        case Row::Submenu: {
            QMenu* sub = menu->addMenu(QCoreApplication::translate("Menu", row.caption));
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

    const bool russian = services_.language.current == Language::Russian;
    pmPaper->findChild<QAction*>(russian ? "mLanguageRussian" : "mLanguageEnglish")
        ->setChecked(true);
    connect(pmPaper, &QMenu::aboutToShow, this, [this] {
        world_.input.PopupShown = true;
        syncChecks();
    });
}

} // namespace lumeris
