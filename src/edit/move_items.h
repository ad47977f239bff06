// Moving items by a world displacement: one dragged item (with the items it carries along)
// or a whole group chosen by the band.
#pragma once

#include "model/scheme.h"

#include <cstdint>

namespace lumeris {

// Outside group selection the dragged item is the seed of the marks: only it moves, and with
// `follow` (Alt held) so do the items its links point to, except those whose names begin
// with "*"; when its own name begins with "*" (a hub), the items whose links point into it
// move too. One level only. In group selection every item of the group (Mark 2) moves. Each
// moved item keeps half of its velocity plus half the displacement; with a current view the
// displacement is also added to the item's entry in it. Returns how many items moved.
std::int64_t MoveItems(Scheme& scheme, CPoint* item, std::int64_t dx, std::int64_t dy, bool follow);

// A group drag calls MoveItems once per member: the first call moves the group, the later
// ones move by (0, 0) and only halve every member's velocity again. This does what those
// `calls - 1` later calls leave, member by member, without walking the scheme once per call.
void halveGroupVelocities(Scheme& scheme, std::int64_t calls);

} // namespace lumeris
