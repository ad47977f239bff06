// Eased moves of the view to a chosen place: the find bar's centring on a match and showing
// the whole scheme. Each run-timer tick closes half of the gap in scale and in the world
// point at the canvas's centre, as the zoom eases; large schemes jump at once, as they do
// when zooming.
#pragma once

#include "view/view_state.h"

#include <cstdint>

namespace lumeris {

// A place of the view.
struct ViewTarget {
    std::int32_t ScreenX = 0;
    std::int32_t ScreenY = 0;
    float Scale = 1;
};

struct ViewGlide {
    bool Active = false;
    ViewTarget Target;
};

// The view at its own scale with world point (x, y) at the canvas's centre.
ViewTarget centredOn(const ViewState& view, std::int32_t x, std::int32_t y);

inline void startGlide(ViewGlide& glide, ViewTarget target) {
    glide = {true, target};
}

// One tick of a running glide. False when none runs (the zoom easing then has the view);
// `jump` ends it at once. The last tick puts the view exactly on the target.
bool glideStep(ViewGlide& glide, ViewState& view, bool jump);

} // namespace lumeris
