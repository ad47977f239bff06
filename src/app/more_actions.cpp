// The actions that came with the menu bar: find, show the whole scheme, help, the imports
// the canvas menu hides, and the bars' toggles.
#include "app/find_bar.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/status_line.h"
#include "program/favorites_command.h"
#include "program/lisp_command.h"
#include "view/fit.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QtGlobal>

namespace lumeris {

namespace {

struct MoreRow {
    const char* name;
    const char* caption;
    const char* shortcut;
    void (TfrmMain::*execute)();
};

const MoreRow MoreActions[] = {
    {"aFind", QT_TRANSLATE_NOOP("Action", "Найти..."), "Ctrl+F", &TfrmMain::aFindExecute},
    {"aShowAll", QT_TRANSLATE_NOOP("Action", "Показать всё"), "Ctrl+Shift+A",
     &TfrmMain::aShowAllExecute},
    {"aHelp", QT_TRANSLATE_NOOP("Action", "Руководство"), "F1", &TfrmMain::aHelpExecute},
    {"aImportLisp", QT_TRANSLATE_NOOP("Action", "Lisp из файла..."), "",
     &TfrmMain::aImportLispExecute},
    {"aAddFavoritesFolder", QT_TRANSLATE_NOOP("Action", "Избранное из папки..."), "",
     &TfrmMain::aAddFavoritesFolderExecute},
    {"aShowMenuBar", QT_TRANSLATE_NOOP("Action", "Строка меню"), "Ctrl+M", nullptr},
    {"aShowStatusBar", QT_TRANSLATE_NOOP("Action", "Строка состояния"), "", nullptr},
};

} // namespace

void TfrmMain::createMoreActions() {
    for (const MoreRow& row : MoreActions) {
        auto* action = new QAction(QCoreApplication::translate("Action", row.caption), this);
        action->setObjectName(row.name);
        action->setShortcut(QKeySequence(QString::fromUtf8(row.shortcut)));
        if (row.execute)
            connect(action, &QAction::triggered, this, row.execute);
        addAction(action);
        actions_[row.name] = action;
    }
}

void TfrmMain::aFindExecute() {
    findBar_->open();
}

// The zoom level and place that show every visible item; the view eases there as the zoom
// does.
void TfrmMain::aShowAllExecute() {
    ViewState& view = world_.view;
    const ViewFit fit = fitWholeScheme(world_.scheme, view.CanvasWidth, view.CanvasHeight);
    view.ZoomLevel = fit.ZoomLevel;
    startGlide(glide_, {fit.ScreenX, fit.ScreenY, fit.Scale});
    ++world_.scheme.RedrawRequests;
}

void TfrmMain::aHelpExecute() {
    if (!help_)
        help_ = new HelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TfrmMain::aImportLispExecute() {
    const auto chosen = services_.dialogs.openFile(OpenDialogKind::Lisp, workflow_.DialogFolder);
    if (chosen && !importLispFile(world_, *chosen))
        services_.dialogs.message(
            tr("Не удалось прочитать файл %1").arg(QString::fromStdString(*chosen)).toStdString(),
            "Lumeris", MessageIcon::Warning);
}

void TfrmMain::aAddFavoritesFolderExecute() {
    addFavoritesFolder(world_, services_.dialogs, QDir::homePath().toStdString());
}

} // namespace lumeris
