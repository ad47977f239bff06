// What the canvas's gestures and the edit commands ask of the window around them. The main
// window implements it with its widgets; tests record the calls.
#pragma once

namespace lumeris {

struct CPoint;

class WindowPort {
  public:
    virtual ~WindowPort() = default;

    // Repaint at once; it paints only when BusyDepth is 0 or less and the surface can draw.
    virtual void repaintNow() = 0;
    // RefreshPropertiesPanel: shows the selected object's properties, or hides the panel.
    virtual void refreshPropertiesPanel() = 0;
    virtual void hidePropertiesPanel() = 0;
    // OpenNameEditor over the Selected item; `clickX` (canvas pixels) places the caret, 0
    // puts it at the start.
    virtual void openNameEditor(int clickX) = 0;
    // Typing on the canvas: the name editor's field gets `typed` (Windows-1251) as the name
    // being typed, the caret after it.
    virtual void typeIntoNameEditor(char typed) = 0;
    virtual void hideNameEditor() = 0;
    // Pops up pmPaper at the canvas point (x, y).
    virtual void popupMenu(int x, int y) = 0;
    // Lets pending window messages through.
    virtual void processMessages() = 0;
    // Keyboard focus follows the pointer into the editor that is open: the panel's name
    // field, else the name editor, else the text window's memo, else the canvas.
    virtual void focusFollowsPointer() = 0;
    // Whether the drawing surface can draw now.
    virtual bool surfaceCanDraw() = 0;
    // Fast scroll: the picture the canvas shows, shifted by (dx, dy) canvas pixels onto the
    // back buffer, the uncovered strips filled with #FBFBFB, presented.
    virtual void scrollPicture(int dx, int dy) = 0;
    // Opens the item's address; the gestures make the item Selected first.
    virtual void openAddress(CPoint* item) = 0;
};

} // namespace lumeris
