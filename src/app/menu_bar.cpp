// The menu bar, built from one table like the canvas menu: every command the canvas menu
// holds (the same actions and entries, so captions, shortcuts and check marks agree), the
// entries that menu keeps hidden, and the commands that came with the bar.
#include "app/main_window.h"
#include "app/menu_rows.h"

#include <QMenu>
#include <QMenuBar>
#include <QtGlobal>

namespace lumeris {

namespace {

const MenuRow MenuBar[] = {
    {Row::Submenu, "mbFile", QT_TRANSLATE_NOOP("Menu", "Файл")},
    {Row::Action, "aNew"},
    {Row::Action, "aOpen"},
    {Row::Submenu, "mRecent", QT_TRANSLATE_NOOP("Menu", "Последние файлы")},
    {Row::End, ""},
    {Row::Action, "aSave"},
    {Row::Action, "aSaveAs"},
    {Row::Separator, ""},
    {Row::Submenu, "mImport", QT_TRANSLATE_NOOP("Menu", "Импорт")},
    {Row::Action, "aImportLisp"},
    {Row::Paper, "PasteLisp1"},
    {Row::Separator, ""},
    {Row::Action, "aAddFavorites"},
    {Row::Action, "aAddFavoritesFolder"},
    {Row::Separator, ""},
    {Row::Paper, "mMatrix"},
    {Row::Separator, ""},
    {Row::Action, "aImport"},
    {Row::End, ""},
    {Row::Action, "aExport"},
    {Row::Action, "aExportPicture"},
    {Row::Separator, ""},
    {Row::Action, "aPrint"},
    {Row::Action, "aPrintWhole"},
    {Row::Separator, ""},
    {Row::Action, "aExitDontSave"},
    {Row::Action, "aExit"},
    {Row::End, ""},

    {Row::Submenu, "mbEdit", QT_TRANSLATE_NOOP("Menu", "Правка")},
    {Row::Action, "aUndo"},
    {Row::Action, "aRedo"},
    {Row::Separator, ""},
    {Row::Paper, "mNewItem"},
    {Row::Action, "aDelete"},
    {Row::Action, "aClone"},
    {Row::Action, "aSplit"},
    {Row::Action, "aUnite"},
    {Row::Separator, ""},
    {Row::Action, "aCut"},
    {Row::Action, "aCopy"},
    {Row::Action, "aPaste"},
    {Row::Separator, ""},
    {Row::Action, "aFind"},
    {Row::End, ""},

    {Row::Submenu, "mbView", QT_TRANSLATE_NOOP("Menu", "Вид")},
    {Row::Action, "aShowAll"},
    {Row::Action, "aCenterScreen"},
    {Row::Separator, ""},
    {Row::Action, "aShowValues"},
    {Row::Action, "aShowVolumes"},
    {Row::Paper, "mShowLinks"},
    {Row::Paper, "mShowNames"},
    {Row::Paper, "mPicture"},
    {Row::Separator, ""},
    {Row::Action, "aValueChart"},
    {Row::Action, "aLoops"},
    {Row::Separator, ""},
    {Row::Action, "aShowMenuBar"},
    {Row::Action, "aShowStatusBar"},
    {Row::Separator, ""},
    // The caption is in both languages, so that a user lost in either finds it.
    {Row::Submenu, "mbLanguage", QT_TRANSLATE_NOOP("Menu", "Язык / Language")},
    {Row::Paper, "mLanguageRussian"},
    {Row::Paper, "mLanguageEnglish"},
    {Row::End, ""},
    {Row::End, ""},

    {Row::Submenu, "mbRun", QT_TRANSLATE_NOOP("Menu", "Выполнение")},
    {Row::Paper, "mRunning"},
    {Row::Action, "aStep"},
    {Row::Action, "aTeach"},
    {Row::Action, "aReset"},
    {Row::Action, "aResetPoint"},
    {Row::Paper, "N1"},
    {Row::Action, "aAlign"},
    {Row::Separator, ""},
    {Row::Submenu, "mDefaultLogic", QT_TRANSLATE_NOOP("Menu", "Логика новых точек")},
    {Row::Paper, "mLogicBoolean"},
    {Row::Paper, "mLogicVolumes"},
    {Row::Paper, "mLogicReal"},
    {Row::End, ""},
    {Row::End, ""},

    {Row::Submenu, "mbHelp", QT_TRANSLATE_NOOP("Menu", "Справка")},
    {Row::Action, "aHelp"},
    {Row::Paper, "mAbout"},
    {Row::End, ""},
};

} // namespace

void TfrmMain::createMenuBar() {
    menuBarMenus_ = new QMenu(this);
    fillMenu(menuBarMenus_, MenuBar);
    menuBar()->addActions(menuBarMenus_->actions());
    auto* recent = menuBarMenus_->findChild<QMenu*>("mRecent");
    connect(recent, &QMenu::aboutToShow, this, &TfrmMain::fillRecentMenu);
    for (const char* name : {"mbFile", "mbEdit", "mbView", "mbRun", "mbHelp"})
        connect(menuBarMenus_->findChild<QMenu*>(name), &QMenu::aboutToShow, this,
                &TfrmMain::syncChecks);
}

} // namespace lumeris
