// The main window's side of the properties panel and the two editor windows: every handler
// runs on the records with the window's measures of the moment, and the widgets then show
// the records, the editing shortcuts following who is shown.
#include "app/main_window.h"
#include "trend/qt/value_chart.h"

#include <QLineEdit>
#include <QLocale>

namespace lumeris {

namespace {

// The editing shortcuts, taken away while any of the three windows is shown.
const std::pair<const char*, const char*> EditShortcuts[] = {{"aDelete", "Del"},
                                                             {"aNewItem", "Ins"},
                                                             {"aCut", "Ctrl+X"},
                                                             {"aCopy", "Ctrl+C"},
                                                             {"aPaste", "Ctrl+V"}};

char localeDecimalPoint() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 128 ? char(point[0].unicode()) : '.';
}

} // namespace

void TfrmMain::setOtherWindows(const OtherWindows& windows) {
    windows_ = windows;
    const PropsRun run = [this](const PropsHandler& handler) { runProps(handler); };
    PanelActions actions{
        action("aDelete"), action("aClone"), action("aSplit"), action("aUnite"), {}, {}};
    actions.openAddress = [this] {
        if (CPoint* item = world_.scheme.Selected.item)
            openAddress(item);
    };
    actions.watchItem = [this](bool watch) {
        if (CPoint* item = world_.scheme.Selected.item)
            watch ? world_.trend.watch(item) : world_.trend.unwatch(item);
        if (watch)
            aValueChartExecute(); // watching is for the chart: show it
        else if (frmChart_)
            frmChart_->refresh();
    };
    if (windows_.frmProp)
        windows_.frmProp->bind(run, actions, &services_.dialogs, &pictures_);
    if (windows_.frmText)
        windows_.frmText->bind(run);
    if (windows_.frmProp2)
        windows_.frmProp2->bind(run);
}

void TfrmMain::runProps(const PropsHandler& handler) {
    Props p{world_.scheme, world_.view, world_.input, world_.eval, world_.doc, world_.panel, {}};
    PanelEnv& env = p.env;
    env.ClientWidth = width();
    env.ClientHeight = height();
    env.WindowWidth = frameGeometry().width();
    env.WindowHeight = frameGeometry().height();
    env.DecimalPoint = localeDecimalPoint();
    env.CustomFocused = windows_.frmProp && windows_.frmProp->customFocused();
    env.TextWindowActive = windows_.frmProp2 && windows_.frmProp2->isActiveWindow();
    const TfrmText* const editor = windows_.frmText;
    env.TextWidth = [editor](const std::string& text) {
        return editor ? editor->textWidth(text) : 7 * int(text.size());
    };
    handler(p);
    showProps();
}

void TfrmMain::showProps() {
    PanelState& panel = world_.panel;
    if (windows_.frmProp) {
        windows_.frmProp->showState(panel);
        const CPoint* selected = world_.scheme.Selected.item;
        windows_.frmProp->showWatched(selected && world_.trend.watched(selected));
    }
    if (windows_.frmText)
        windows_.frmText->showState(panel);
    if (windows_.frmProp2)
        windows_.frmProp2->showState(panel);
    applyEditShortcuts(panel.ShortcutsSuspended);
    const FocusRequest focus = std::exchange(panel.Focus, FocusRequest::None);
    if (focus == FocusRequest::Name && windows_.frmProp)
        windows_.frmProp->focusName();
    else if (focus == FocusRequest::EditorField && windows_.frmText)
        windows_.frmText->Edit1->setFocus();
    else if (focus == FocusRequest::Memo && windows_.frmProp2)
        windows_.frmProp2->focusMemo();
}

void TfrmMain::applyEditShortcuts(bool suspended) {
    if (suspended == shortcutsSuspended_)
        return;
    shortcutsSuspended_ = suspended;
    for (auto [name, key] : EditShortcuts)
        if (QAction* a = action(name))
            a->setShortcut(suspended ? QKeySequence() : QKeySequence(key));
}

} // namespace lumeris
