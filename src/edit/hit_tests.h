// The canvas's three hit tests and its snapping grid. Distances are in canvas pixels; the
// scans allocate nothing, since hover detection runs them on every pointer move.
#pragma once

#include "model/scheme.h"
#include "view/view_state.h"

#include <cstdint>

namespace lumeris {

// What a scan that finds nothing answers.
inline constexpr float NoHitDistance = 10'000'000'000.0f;

struct ItemHit {
    float distance = NoHitDistance;
    CPoint* item = nullptr;
};

struct LinkHit {
    float distance = NoHitDistance;
    CLink* link = nullptr;
    std::int32_t handleX = 0; // world units
    std::int32_t handleY = 0;
};

// The nearest item, visible or not, measured from its screen position plus 0.1; on a tie the
// earlier item in the list stays.
ItemHit itemHitTest(const Scheme& scheme, const ViewState& view, int x, int y);

// The nearest handle of a link between two visible items, one third of the way from its
// source to its target; ties to the first in item order, then in each item's link order.
LinkHit linkHitTest(const Scheme& scheme, const ViewState& view, int x, int y);

// The first item with a name whose label box strictly contains the pointer; its width comes
// from the painter's sample width. Visibility is left to the callers.
CPoint* labelHitTest(const Scheme& scheme, const ViewState& view, int x, int y);

// The three tests at once, in one walk over the items, for hover detection on every move.
struct HoverHits {
    ItemHit item;
    LinkHit link;
    CPoint* label = nullptr;
};
HoverHits hoverHitTest(const Scheme& scheme, const ViewState& view, int x, int y);

// The link's handle in world units: ((2 source + target) div 3).
std::int32_t linkHandleX(const CLink* link);
std::int32_t linkHandleY(const CLink* link);

// G = 2^trunc(log2(1 / Scale) + 2) world units, and a world coordinate snapped to it
// (toward zero, as the division truncates).
std::int32_t snapGrid(const ViewState& view);
std::int32_t snapToGrid(std::int32_t world, std::int32_t grid);

} // namespace lumeris
