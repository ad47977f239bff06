// The canvas's pointer gestures: hover, select, drag, pan, band, link drawing and the double
// click. The canvas widget turns every toolkit event into a PointerEvent once and calls these;
// they change the interaction state and the scheme and ask the window for the rest.
#pragma once

#include "edit/editor.h"

namespace lumeris {

// The toolkit's button codes, as MouseButtonState holds them.
enum MouseButton { ButtonLeft = 0, ButtonRight = 1, ButtonMiddle = 2 };
// After a double click: the press that follows it is swallowed.
constexpr int MouseButtonSwallow = 254;

struct PointerEvent {
    int button = ButtonLeft; // the button pressed or released; moves ignore it
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    int x = 0; // canvas pixels
    int y = 0;
};

void DXDraw1MouseDown(Editor& editor, const PointerEvent& event);
void DXDraw1MouseMove(Editor& editor, const PointerEvent& event);
void DXDraw1MouseUp(Editor& editor, const PointerEvent& event);
// Only the left button's double click acts, and not after a press on a label, which has
// already done the label's action.
void DXDraw1DblClick(Editor& editor, int button);

} // namespace lumeris
