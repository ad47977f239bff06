// The main window as the canvas's gestures and the edit commands see it.
#include "app/main_window.h"

#include "props/name_editor.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>

namespace lumeris {

void TfrmMain::repaintNow() {
    Repaint(false);
}

void TfrmMain::refreshPropertiesPanel() {
    RefreshPropertiesPanel();
}

void TfrmMain::hidePropertiesPanel() {
    runProps(hidePanel);
}

void TfrmMain::openNameEditor(int clickX) {
    runProps([clickX](Props& p) { OpenNameEditor(p, clickX); });
}

void TfrmMain::typeIntoNameEditor(char typed) {
    runProps([typed](Props& p) { lumeris::typeIntoNameEditor(p, typed); });
}

void TfrmMain::hideNameEditor() {
    runProps(lumeris::hideNameEditor);
}

void TfrmMain::popupMenu(int x, int y) {
    pmPaper->popup(DXDraw1->mapToGlobal(QPoint(x, y)));
}

// Timers and paint events get through; input waits, so that no gesture begins inside another.
void TfrmMain::processMessages() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmMain::focusFollowsPointer() {
    if (!isVisible())
        return;
    const PanelState& panel = world_.panel;
    if (panel.Visible && windows_.frmProp)
        windows_.frmProp->focusName();
    else if (panel.EditorVisible && windows_.frmText)
        windows_.frmText->Edit1->setFocus();
    else if (!panel.TextVisible) // else the text window's memo keeps what focus it has
        DXDraw1->setFocus();
}

bool TfrmMain::surfaceCanDraw() {
    return surfaceCreated_ && !surface_.Back.isNull() &&
           surface_.Front.size() == surface_.Back.size();
}

// The picture on the screen, shifted to where the moved view puts it; what it no longer
// covers shows the background colour until the next full frame.
void TfrmMain::scrollPicture(int dx, int dy) {
    surface_.scrollFront(dx, dy);
    DXDraw1->update();
}

// The gestures make the item Selected before they open its address.
void TfrmMain::openAddress(CPoint*) {
    addresses_.openAddress();
}

} // namespace lumeris
