// A window that shows nothing: for the command-line tool and benchmarks, where the gestures
// and edit commands run with no panel, no name editor and nothing to repaint.
#pragma once

#include "platform/window_port.h"

namespace lumeris {

class NoWindow : public WindowPort {
  public:
    void repaintNow() override {}
    void refreshPropertiesPanel() override {}
    void hidePropertiesPanel() override {}
    void openNameEditor(int) override {}
    void typeIntoNameEditor(char) override {}
    void hideNameEditor() override {}
    void popupMenu(int, int) override {}
    void processMessages() override {}
    void focusFollowsPointer() override {}
    bool surfaceCanDraw() override { return false; }
    void scrollPicture(int, int) override {}
    void openAddress(CPoint*) override {}
};

} // namespace lumeris
