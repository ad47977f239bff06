#include "edit/hit_tests.h"

#include "view/label_text.h"
#include "view/transform.h"

#include <algorithm>
#include <cmath>

namespace lumeris {

namespace {

float distanceTo(const ViewState& view, float worldX, float worldY, int x, int y) {
    const double dx = ToScreenX(view, worldX) + 0.1 - x;
    const double dy = ToScreenY(view, worldY) + 0.1 - y;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

} // namespace

ItemHit itemHitTest(const Scheme& scheme, const ViewState& view, int x, int y) {
    ItemHit best;
    for (CPoint* item = scheme.ItemList; item; item = item->Next) {
        const float d = distanceTo(view, float(item->X), float(item->Y), x, y);
        if (d < best.distance)
            best = {d, item};
    }
    return best;
}

std::int32_t linkHandleX(const CLink* link) {
    return std::int32_t((2 * std::int64_t(link->From->X) + link->To->X) / 3);
}

std::int32_t linkHandleY(const CLink* link) {
    return std::int32_t((2 * std::int64_t(link->From->Y) + link->To->Y) / 3);
}

LinkHit linkHitTest(const Scheme& scheme, const ViewState& view, int x, int y) {
    LinkHit best;
    for (CPoint* item = scheme.ItemList; item; item = item->Next) {
        if (!item->Vis)
            continue;
        for (CLink* link = item->OutLinks; link; link = link->NextOut) {
            if (!link->To->Vis)
                continue;
            const std::int32_t hx = linkHandleX(link), hy = linkHandleY(link);
            const float d = distanceTo(view, float(hx), float(hy), x, y);
            if (d < best.distance)
                best = {d, link, hx, hy};
        }
    }
    return best;
}

CPoint* labelHitTest(const Scheme& scheme, const ViewState& view, int x, int y) {
    const int h = nameRise(view.Scale);
    for (CPoint* item = scheme.ItemList; item; item = item->Next) {
        if (item->Name.empty())
            continue;
        const int sx = ToScreenX(view, float(item->X));
        const int sy = ToScreenY(view, float(item->Y));
        const std::int64_t width = std::int64_t(item->Name.size()) * view.NameSampleWidth / 10;
        if (sx + 8 < x && x < sx + 8 + width && sy - h + 2 < y && y < sy + 4)
            return item;
    }
    return nullptr;
}

std::int32_t snapGrid(const ViewState& view) {
    // A file may hold any Scale: the grid stays between 1 and 2^30 units.
    const long double exponent = std::trunc(std::log2(1.0L / view.Scale) + 2);
    if (!(exponent > 0))
        return 1;
    return std::int32_t(1) << static_cast<int>(std::min(exponent, 30.0L));
}

std::int32_t snapToGrid(std::int32_t world, std::int32_t grid) {
    return grid * (world / grid);
}

} // namespace lumeris
