// The window onto the world plane: stored with the scheme and eased by the zoom.
#pragma once

#include <cstdint>

namespace lumeris {

struct ViewState {
    std::int32_t ScreenX = 0; // world x at the canvas's left edge
    std::int32_t ScreenY = 0; // world y at the canvas's top edge
    float Scale = 1.0f;       // canvas pixels per world unit
    std::int32_t ZoomLevel = 7;
    float ZoomAnchorX = 0;
    float ZoomAnchorY = 0;
    std::int32_t CanvasWidth = 0;
    std::int32_t CanvasHeight = 0;
    bool ShowNames = true;   // mShowNames
    bool ShowLinks = true;   // mShowLinks
    int NameSampleWidth = 0; // width of "IWIWAiwiwa" in the name font, as the painter measured
};

} // namespace lumeris
