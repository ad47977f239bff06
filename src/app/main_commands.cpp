// The main window's commands: documents, printing, run control, display toggles, the
// background picture and the About box.
#include "app/about_box.h"
#include "app/main_window.h"
#include "edit/navigation.h"
#include "engine/commands.h"
#include "loops/qt/loops_window.h"
#include "program/favorites_command.h"
#include "program/lisp_command.h"
#include "text/qt/cp1251.h"
#include "trend/qt/value_chart.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>

namespace lumeris {

void TfrmMain::aNewExecute() {
    workflow_.aNew();
}

void TfrmMain::aOpenExecute() {
    workflow_.aOpen();
}

void TfrmMain::aSaveExecute() {
    workflow_.aSave();
}

void TfrmMain::aSaveAsExecute() {
    workflow_.aSaveAs();
}

void TfrmMain::aExitExecute() {
    if (workflow_.aExit())
        close();
}

void TfrmMain::aExitDontSaveExecute() {
    endNow(0);
}

void TfrmMain::aPrintExecute() {
    if (services_.dialogs.printDialog())
        painter_.PrintRequested = true;
    ++world_.scheme.RedrawRequests;
}

void TfrmMain::AboutClick() {
    if (!windows_.frmAbout)
        return;
    windows_.frmAbout->exec();
    ++world_.scheme.RedrawRequests;
}

void TfrmMain::mLanguageRussianClick() {
    keepLanguage(Language::Russian);
}

void TfrmMain::mLanguageEnglishClick() {
    keepLanguage(Language::English);
}

// The texts already shown are not remade: the new language comes with the next start.
void TfrmMain::keepLanguage(Language language) {
    if (services_.language.remember)
        services_.language.remember(language);
    services_.dialogs.message(userText("Main", "Язык сменится при следующем запуске программы."),
                              "Lumeris", MessageIcon::None);
}

void TfrmMain::aAddFavoritesExecute() {
    lumeris::aAddFavoritesExecute(world_, services_.dialogs, QDir::homePath().toStdString());
}

void TfrmMain::PasteLisp1Click() {
    lumeris::PasteLisp1Click(world_, toCp1251(QGuiApplication::clipboard()->text()));
}

void TfrmMain::aMatrixExecute() {
    if (windows_.frmMatrix)
        windows_.frmMatrix->show();
}

void TfrmMain::aRunExecute() {
    toggleRunning(world_.scheme, world_.eval);
    syncChecks();
}

void TfrmMain::aStepExecute() {
    stepCommand(world_.scheme, world_.eval, stepHooks());
}

void TfrmMain::aTeachExecute() {
    teachCommand(world_.scheme, world_.eval, stepHooks());
}

void TfrmMain::aResetExecute() {
    resetValues(world_.scheme, world_.eval);
    world_.trend.record(world_.scheme); // the chart shows the reset as a step of its own
    syncChecks();
}

void TfrmMain::aResetPointExecute() {
    zeroPointed(world_.scheme);
    Repaint(false);
}

void TfrmMain::aValueChartExecute() {
    if (!frmChart_)
        frmChart_ = new TfrmChart(world_.scheme, world_.trend, services_.dialogs, this);
    frmChart_->refresh(true);
    frmChart_->show();
    frmChart_->raise();
}

void TfrmMain::N1Click() {
    world_.scheme.reverseLinks();
}

void TfrmMain::mLogicBooleanClick() {
    chooseDefaultLogic(world_.scheme, DefaultLogic::Boolean);
}

void TfrmMain::mLogicVolumesClick() {
    chooseDefaultLogic(world_.scheme, DefaultLogic::Fuzzy);
}

void TfrmMain::mLogicRealClick() {
    chooseDefaultLogic(world_.scheme, DefaultLogic::Real);
}

void TfrmMain::aCenterScreenExecute() {
    CenterScreen(world_.scheme, world_.view);
}

void TfrmMain::aAlignExecute() {
    toggleMovement(world_.scheme, world_.eval);
    syncChecks();
}

void TfrmMain::aShowValuesExecute() {
    toggleShowValues(world_.scheme, world_.eval);
    syncChecks();
    Repaint(false);
}

void TfrmMain::aShowVolumesExecute() {
    toggleShowVolumes(world_.eval);
    syncChecks();
}

// A toggle: ticking asks for a picture; unticking, or cancelling the dialog, removes it.
void TfrmMain::mPictureClick() {
    if (!mPictureChecked_) {
        if (const auto file = services_.dialogs.pickPicture(workflow_.DialogFolder)) {
            world_.scheme.setText(world_.doc.BackGroundImage,
                                  toCp1251(QString::fromStdString(*file)));
            if (world_.doc.BackGroundImage != "none")
                pictures_.loadBackground(world_.doc);
            ++world_.scheme.RedrawRequests;
            syncChecks();
            return;
        }
    }
    world_.scheme.setText(world_.doc.BackGroundImage, "none");
    mPictureChecked_ = false;
    ++world_.scheme.RedrawRequests;
    syncChecks();
    Repaint(false);
}

void TfrmMain::mShowNamesClick() {
    world_.view.ShowNames = !world_.view.ShowNames;
    syncChecks();
    ++world_.scheme.RedrawRequests;
    Repaint(false);
}

void TfrmMain::mShowLinksClick() {
    world_.view.ShowLinks = !world_.view.ShowLinks;
    syncChecks();
    ++world_.scheme.RedrawRequests;
    Repaint(false);
}

void TfrmMain::syncChecks() {
    const auto check = [this](const char* name, bool on) {
        if (QAction* item = pmPaper->findChild<QAction*>(name, Qt::FindChildrenRecursively))
            item->setChecked(on);
    };
    check("mRunning", world_.eval.Running);
    check("mPicture", mPictureChecked_);
    check("mShowNames", world_.view.ShowNames);
    check("mShowLinks", world_.view.ShowLinks);
    actions_.at("aAlign")->setChecked(world_.eval.MovementOn);
    actions_.at("aShowValues")->setChecked(world_.eval.ShowValues);
    actions_.at("aShowVolumes")->setChecked(world_.eval.ShowVolumes);
}

void TfrmMain::aLoopsExecute() {
    if (!frmLoops_)
        frmLoops_ = new TfrmLoops(world_, painter_.emphasis, this);
    frmLoops_->show();
    frmLoops_->raise();
    frmLoops_->activateWindow();
}

} // namespace lumeris
