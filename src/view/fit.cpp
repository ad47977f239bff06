#include "view/fit.h"

#include "view/transform.h"

#include <algorithm>
#include <cmath>

namespace lumeris {
namespace {

constexpr int HighestLevel = 9;

void widen(FitBounds& bounds, const CPoint* item) {
    const long double x = float(item->X), y = float(item->Y);
    bounds.left = std::min(bounds.left, x), bounds.right = std::max(bounds.right, x);
    bounds.top = std::min(bounds.top, y), bounds.bottom = std::max(bounds.bottom, y);
}

std::optional<FitBounds> boundsOf(const Scheme& scheme, bool visibleOnly) {
    std::optional<FitBounds> bounds;
    for (const CPoint* item = scheme.ItemList; item; item = item->Next) {
        if (visibleOnly && !item->Vis)
            continue;
        if (!bounds)
            bounds = FitBounds{float(item->X), float(item->Y), float(item->X), float(item->Y)};
        widen(*bounds, item);
    }
    return bounds;
}

// The pixels an axis offers the items: the canvas less a margin on each side (48 pixels, or
// a quarter of a small canvas) and a few pixels for the truncations of the transform and the
// rounding of the view's origin to whole world units.
long double room(int extent) {
    const int margin = std::min(48, extent / 4);
    return std::max(1, extent - 2 * margin - 6);
}

// The world coordinate at the canvas's edge that puts the middle of [low, high] in the middle
// of `extent` pixels.
std::int32_t origin(long double low, long double high, int extent, float scale) {
    return truncToInt(std::round((low + high) / 2 - extent / (2.0L * scale)));
}

} // namespace

std::optional<FitBounds> boundsToFit(const Scheme& scheme) {
    const std::optional<FitBounds> visible = boundsOf(scheme, true);
    return visible ? visible : boundsOf(scheme, false);
}

ViewFit fitWholeScheme(const Scheme& scheme, int width, int height) {
    const std::optional<FitBounds> bounds = boundsToFit(scheme);
    if (!bounds)
        return {-(width / 2), -(height / 2), 1.0f, 7};
    const long double spanX = bounds->right - bounds->left, spanY = bounds->bottom - bounds->top;
    const long double roomX = room(width), roomY = room(height);
    auto fits = [&](long double s) { return spanX * s <= roomX && spanY * s <= roomY; };

    int level = HighestLevel;
    float scale = std::ldexp(1.0f, level - 7);
    while (level > 0 && !fits(scale))
        scale = std::ldexp(1.0f, --level - 7);
    if (!fits(scale)) {
        // Wider than level 0 shows: the exact scale, rounded down to a float that still fits.
        const long double exact = std::min(roomX / spanX, roomY / spanY);
        scale = float(exact);
        if (scale > exact)
            scale = std::nextafter(scale, 0.0f);
    }
    return {origin(bounds->left, bounds->right, width, scale),
            origin(bounds->top, bounds->bottom, height, scale), scale, level};
}

} // namespace lumeris
