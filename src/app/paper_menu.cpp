// pmPaper, the canvas's context menu, built from one table.
#include "app/main_window.h"
#include "app/menu_rows.h"

#include <QMenu>

namespace lumeris {

namespace {

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
    {Row::Action, "aShowAll"},
    {Row::Separator, ""},
    {Row::Action, "aLoops"},
};

} // namespace

void TfrmMain::createMenu() {
    pmPaper = new QMenu(this);
    pmPaper->setObjectName("pmPaper");
    fillMenu(pmPaper, PaperMenu);

    connect(pmPaper, &QMenu::aboutToShow, this, [this] {
        world_.input.PopupShown = true;
        syncChecks();
    });
}

} // namespace lumeris
