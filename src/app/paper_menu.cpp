// pmPaper, the canvas's context menu, built from one table.
#include "app/main_window.h"
#include "app/menu_rows.h"

#include <QAction>
#include <QMenu>

namespace lumeris {

namespace {

const MenuRow PaperMenu[] = {
    {Row::Submenu, "mFile", QT_TRANSLATE_NOOP("Menu", "Файл")},
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
    {Row::Action, "aValueChart"},
    {Row::Entry, "mShowLinks", QT_TRANSLATE_NOOP("Menu", "Линии"), &TfrmMain::mShowLinksClick,
     Checkable | Checked},
    {Row::Entry, "mShowNames", QT_TRANSLATE_NOOP("Menu", "Названия "), &TfrmMain::mShowNamesClick,
     Checkable | Checked},
    {Row::Action, "aShowAll"},
    {Row::Separator, ""},
    {Row::Action, "aLoops"},
};

} // namespace

void TfrmMain::createMenu() {
    pmPaper = new QMenu(this);
    pmPaper->setObjectName("pmPaper");
    fillMenu(pmPaper, PaperMenu);

    const bool russian = services_.language.current == Language::Russian;
    pmPaper->findChild<QAction*>(russian ? "mLanguageRussian" : "mLanguageEnglish")
        ->setChecked(true);
    connect(pmPaper, &QMenu::aboutToShow, this, [this] {
        world_.input.PopupShown = true;
        syncChecks();
    });
}

} // namespace lumeris
