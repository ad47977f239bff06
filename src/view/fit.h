// The view that shows the whole scheme: every visible item inside a canvas of a given size,
// with a margin around them, at the largest zoom level that holds them all.
#pragma once

#include "model/scheme.h"

#include <cstdint>
#include <optional>

namespace lumeris {

// The view fields to set, as ViewState holds them. Scale is the zoom level's target
// (2^ZoomLevel / 128), so easing leaves it where it is; only a scheme too wide for level 0
// gets a smaller Scale of its own, with ZoomLevel 0.
struct ViewFit {
    std::int32_t ScreenX;
    std::int32_t ScreenY;
    float Scale;
    std::int32_t ZoomLevel;
};

// The box of the items a fit shows: the visible ones, or every item when none is visible.
// Coordinates are as the view transform sees them (converted to float). Nullopt for an empty
// scheme.
struct FitBounds {
    long double left, top, right, bottom;
};
std::optional<FitBounds> boundsToFit(const Scheme& scheme);

// Fits the visible items (every item when none is visible) into a canvas of width x height
// pixels, centred, at zoom level 9 at most. An empty scheme gets the world origin in the
// middle at 1:1. Canvases narrower than about 32 pixels leave no room for a margin, and
// items may then touch or cross their edges.
ViewFit fitWholeScheme(const Scheme& scheme, int width, int height);

} // namespace lumeris
