// The arrowhead of a link: a notched four-point polygon at a screen anchor, pointing along
// the link as the screen shows it.
#pragma once

#include <array>
#include <cstdint>

namespace lumeris {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// Sizes: the small head of the link layer and the large one of the link in focus.
struct ArrowSize {
    int tip;   // how far the tip lies ahead of the anchor
    int notch; // how far the notch lies behind it
};
constexpr ArrowSize SmallArrow{3, 2};
constexpr ArrowSize LargeArrow{5, 1};

// The direction angle of a link on the screen, with y pointing up, from its world ends'
// differences dx = To.X - From.X and dy = To.Y - From.Y.
double arrowAngle(std::int64_t dx, std::int64_t dy);

// Tip, one barb, notch, the other barb. Every offset is rounded half to even before it is
// added to the anchor.
std::array<ScreenPoint, 4> arrowhead(ScreenPoint anchor, std::int64_t dx, std::int64_t dy,
                                     ArrowSize size);

} // namespace lumeris
