#include "edit/navigation.h"

#include "engine/step.h"
#include "view/transform.h"

#include <algorithm>
#include <cmath>

namespace lumeris {

namespace {

float clampUnit(long double value) {
    return static_cast<float>(std::clamp<long double>(value, -1.0L, 1.0L));
}

void anchorAtPointer(ViewState& view, const Interaction& input) {
    const long double scale = view.Scale;
    view.ZoomAnchorX = static_cast<float>(input.LastMouseX / scale + view.ScreenX);
    view.ZoomAnchorY = static_cast<float>(input.LastMouseY / scale + view.ScreenY);
}

// An item's position as the canvas shows it, back in world units.
void anchorAtItem(ViewState& view, const CPoint* item) {
    const long double scale = view.Scale;
    view.ZoomAnchorX = static_cast<float>(ToScreenX(view, float(item->X)) / scale + view.ScreenX);
    view.ZoomAnchorY = static_cast<float>(ToScreenY(view, float(item->Y)) / scale + view.ScreenY);
}

void changeHovered(Scheme& scheme, int delta) {
    BusyGuard busy(scheme);
    const long double step = delta / 600.0L;
    if (scheme.HoverKind == HoverItem && scheme.Hovered.item) {
        CPoint* item = scheme.Hovered.item;
        scheme.touchValue(item);
        scheme.setIsCust(item, 1);
        item->Custom = clampUnit(item->Custom + step);
        assign(scheme, item, item, item->Custom);
    } else if (scheme.HoverKind == HoverLink && scheme.Hovered.link) {
        CLink* link = scheme.Hovered.link;
        scheme.setCoefficient(link, clampUnit(link->Value + step));
        scheme.SchemeChanged = true;
    }
}

// While the scale still moves toward a level below 6, the item being worked on (selected,
// else hovered) is drawn toward the pointer; otherwise the world point under it stays.
void chooseEaseAnchor(const Scheme& scheme, ViewState& view, const Interaction& input) {
    if (view.ZoomLevel >= 6 || view.Scale == zoomTarget(view.ZoomLevel) || input.LinkDragging) {
        anchorAtPointer(view, input);
    } else if (scheme.EditState == EditItemSelected && scheme.Selected.item) {
        anchorAtItem(view, scheme.Selected.item);
    } else if (scheme.HoverKind == HoverItem && scheme.Hovered.item) {
        anchorAtItem(view, scheme.Hovered.item);
    } else {
        anchorAtPointer(view, input);
    }
}

void keepAnchorUnderPointer(ViewState& view, const Interaction& input) {
    const long double scale = view.Scale;
    view.ScreenX = truncToInt(view.ZoomAnchorX - input.LastMouseX / scale);
    view.ScreenY = truncToInt(view.ZoomAnchorY - input.LastMouseY / scale);
}

} // namespace

float zoomTarget(int level) {
    return std::ldexp(1.0f, level - 7);
}

void FormMouseWheel(Scheme& scheme, ViewState& view, const Interaction& input, int delta,
                    bool ctrl) {
    if (delta == 0) // no vertical movement: a sideways scroll or the end of a scroll phase
        return;
    if (ctrl && !scheme.Hovered.empty()) {
        changeHovered(scheme, delta);
    } else {
        anchorAtPointer(view, input);
        if (delta > 0 && view.ZoomLevel > WheelZoomMin)
            --view.ZoomLevel;
        else if (delta <= 0 && view.ZoomLevel < WheelZoomMax)
            ++view.ZoomLevel;
    }
    ++scheme.RedrawRequests;
}

void zoomKey(ViewState& view, const Interaction& input, char key) {
    anchorAtPointer(view, input);
    if (key == '+' && view.ZoomLevel < KeyZoomMax)
        ++view.ZoomLevel;
    else if (key == '-' && view.ZoomLevel > KeyZoomMin)
        --view.ZoomLevel;
}

void EaseZoom(Scheme& scheme, ViewState& view, const Interaction& input) {
    chooseEaseAnchor(scheme, view, input);
    const float target = zoomTarget(view.ZoomLevel);
    const long double gap = std::fabs(static_cast<long double>(view.Scale) - target);
    if (gap > view.Scale / 32.0L)
        ++scheme.RedrawRequests;
    if (gap > view.Scale / 16.0L) {
        const bool jump = scheme.LastId > EaseZoomIdLimit;
        view.Scale = jump ? target : static_cast<float>((view.Scale + target) / 2.0L);
        keepAnchorUnderPointer(view, input);
        ++scheme.RedrawRequests;
    } else {
        view.Scale = target;
        keepAnchorUnderPointer(view, input);
    }
}

void CenterScreen(const Scheme& scheme, ViewState& view) {
    const CPoint* newest = scheme.ItemList;
    if (!newest)
        return;
    // 64-bit differences: a file may hold coordinates near the ends of the 32-bit range.
    const std::int64_t halfWidth =
        (std::int64_t(ToWorldX(view, view.CanvasWidth)) - ToWorldX(view, 0)) / 2;
    const std::int64_t halfHeight =
        (std::int64_t(ToWorldY(view, view.CanvasHeight)) - ToWorldY(view, 0)) / 2;
    view.ScreenX = truncToInt(static_cast<long double>(newest->X - halfWidth));
    view.ScreenY = truncToInt(static_cast<long double>(newest->Y - halfHeight));
}

} // namespace lumeris
