// The window as the gestures and commands see it, recording every request in order.
#pragma once

#include "platform/window_port.h"

#include <string>
#include <vector>

namespace lumeris::test {

struct RecordingWindow : WindowPort {
    std::vector<std::string> calls; // "repaintNow", "openNameEditor 12", "popupMenu 3 4", ...
    bool canDraw = true;

    void repaintNow() override { calls.push_back("repaintNow"); }
    void refreshPropertiesPanel() override { calls.push_back("refreshPropertiesPanel"); }
    void hidePropertiesPanel() override { calls.push_back("hidePropertiesPanel"); }
    void openNameEditor(int clickX) override {
        calls.push_back("openNameEditor " + std::to_string(clickX));
    }
    void typeIntoNameEditor(char typed) override {
        calls.push_back(std::string("typeIntoNameEditor ") + typed);
    }
    void hideNameEditor() override { calls.push_back("hideNameEditor"); }
    void popupMenu(int x, int y) override {
        calls.push_back("popupMenu " + std::to_string(x) + " " + std::to_string(y));
    }
    void processMessages() override {}
    void focusFollowsPointer() override {}
    bool surfaceCanDraw() override { return canDraw; }
    void scrollPicture(int dx, int dy) override {
        calls.push_back("scrollPicture " + std::to_string(dx) + " " + std::to_string(dy));
    }
    void openAddress(CPoint*) override { calls.push_back("openAddress"); }

    // How many times the call was made.
    int count(const std::string& call) const {
        int n = 0;
        for (const std::string& c : calls)
            n += c == call;
        return n;
    }
};

} // namespace lumeris::test
