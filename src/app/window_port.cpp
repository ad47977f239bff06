// The main window as the canvas's gestures and the edit commands see it.
#include "app/main_window.h"

#include <QCoreApplication>
#include <QMenu>

namespace lumeris {

void TfrmMain::repaintNow() {
    Repaint(false);
}

void TfrmMain::refreshPropertiesPanel() {
    RefreshPropertiesPanel();
}

void TfrmMain::hidePropertiesPanel() {
    if (windows_.frmProp)
        windows_.frmProp->hide();
}

// The name editor comes with the properties panel; until then a new item stays unnamed.
void TfrmMain::openNameEditor(int) {}

void TfrmMain::typeIntoNameEditor(char) {}

void TfrmMain::hideNameEditor() {
    if (windows_.frmText)
        windows_.frmText->hide();
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
    for (QWidget* editor :
         {static_cast<QWidget*>(windows_.frmProp), static_cast<QWidget*>(windows_.frmText)})
        if (editor && editor->isVisible()) {
            editor->setFocus();
            return;
        }
    if (windows_.frmProp2 && windows_.frmProp2->isVisible())
        return; // the text window's memo keeps what focus it has
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

// Addresses open with a later part of the program; until then the item is only selected.
void TfrmMain::openAddress(CPoint*) {}

} // namespace lumeris
