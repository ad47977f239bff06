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

namespace {

bool insideLabel(const CPoint* item, int sx, int sy, int rise, int sampleWidth, int x, int y) {
    const std::int64_t width = std::int64_t(item->Name.size()) * sampleWidth / 10;
    return sx + 8 < x && x < sx + 8 + width && sy - rise + 2 < y && y < sy + 4;
}

} // namespace

CPoint* labelHitTest(const Scheme& scheme, const ViewState& view, int x, int y) {
    const int rise = nameRise(view.Scale);
    for (CPoint* item = scheme.ItemList; item; item = item->Next) {
        if (item->Name.empty())
            continue;
        const int sx = ToScreenX(view, float(item->X));
        const int sy = ToScreenY(view, float(item->Y));
        if (insideLabel(item, sx, sy, rise, view.NameSampleWidth, x, y))
            return item;
    }
    return nullptr;
}

HoverHits hoverHitTest(const Scheme& scheme, const ViewState& view, int x, int y) {
    HoverHits hits;
    const int rise = nameRise(view.Scale);
    for (CPoint* item = scheme.ItemList; item; item = item->Next) {
        const int sx = ToScreenX(view, float(item->X));
        const int sy = ToScreenY(view, float(item->Y));
        const double dx = sx + 0.1 - x, dy = sy + 0.1 - y;
        const float d = static_cast<float>(std::sqrt(dx * dx + dy * dy));
        if (d < hits.item.distance)
            hits.item = {d, item};
        if (!hits.label && !item->Name.empty() &&
            insideLabel(item, sx, sy, rise, view.NameSampleWidth, x, y))
            hits.label = item;
        if (item->Next && item->Next->OutLinks) // the targets are scattered: fetch ahead
            __builtin_prefetch(item->Next->OutLinks->To);
        if (!item->Vis)
            continue;
        for (CLink* link = item->OutLinks; link; link = link->NextOut) {
            if (link->NextOut)
                __builtin_prefetch(link->NextOut->To);
            if (!link->To->Vis)
                continue;
            const std::int32_t hx = linkHandleX(link), hy = linkHandleY(link);
            const float dl = distanceTo(view, float(hx), float(hy), x, y);
            if (dl < hits.link.distance)
                hits.link = {dl, link, hx, hy};
        }
    }
    return hits;
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
