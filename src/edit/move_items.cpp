#include "edit/move_items.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumeris {

namespace {

// Coordinates stay within 32 bits, however far a group is dragged.
std::int32_t shifted(std::int32_t value, std::int64_t by) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value + by, low, high));
}

bool isHubName(const std::string& name) {
    return !name.empty() && name[0] == '*';
}

void markCarried(Scheme& scheme, CPoint* item, bool follow) {
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        p->Mark = 0;
    item->Mark = 2;
    if (follow)
        for (CLink* link = item->OutLinks; link; link = link->NextOut)
            if (!isHubName(link->To->Name))
                link->To->Mark = 2;
    if (isHubName(item->Name))
        for (CLink* link = item->InLinks; link; link = link->NextIn)
            link->From->Mark = 2;
}

// One halving of a velocity as a move by (0, 0) does it, signed zeros included.
float halved(float velocity) {
    return (0.0f + velocity) / 2;
}

// `times` halvings. Infinities and NaN stay what one halving makes them; any finite float is
// +0 after at most 280 halvings (2^128 down past 2^-149) and stays +0.
float halved(float velocity, std::int64_t times) {
    if (times <= 0)
        return velocity;
    if (!std::isfinite(velocity))
        return halved(velocity);
    if (times >= 300)
        return 0.0f;
    for (std::int64_t i = 0; i < times; ++i)
        velocity = halved(velocity);
    return velocity;
}

} // namespace

std::int64_t MoveItems(Scheme& scheme, CPoint* item, std::int64_t dx, std::int64_t dy,
                       bool follow) {
    BusyGuard busy(scheme);
    if (scheme.EditState != EditGroupChosen)
        markCarried(scheme, item, follow);
    std::int64_t moved = 0;
    for (CPoint* p = scheme.ItemList; p; p = p->Next) {
        if (p->Mark != 2)
            continue;
        ++moved;
        scheme.touch(p);
        p->X = shifted(p->X, dx);
        p->Y = shifted(p->Y, dy);
        p->VelX = (static_cast<float>(dx) + p->VelX) / 2;
        p->VelY = (static_cast<float>(dy) + p->VelY) / 2;
        if (ViewEntry* entry = scheme.findOrAddViewEntry(scheme.CurrentView, p)) {
            scheme.touch(entry);
            entry->DX = shifted(entry->DX, dx);
            entry->DY = shifted(entry->DY, dy);
        }
    }
    return moved;
}

void halveGroupVelocities(Scheme& scheme, std::int64_t calls) {
    if (calls <= 0)
        return;
    for (CPoint* p = scheme.ItemList; p; p = p->Next) {
        if (p->Mark != 2)
            continue;
        p->VelX = halved(p->VelX, calls);
        p->VelY = halved(p->VelY, calls);
    }
}

} // namespace lumeris
