#include "view/arrowhead.h"

#include <cmath>
#include <numbers>

namespace lumeris {

double arrowAngle(std::int64_t dx, std::int64_t dy) {
    constexpr double pi = std::numbers::pi;
    double theta = 0;
    if (dy != 0)
        theta = pi / 2 - std::fabs(std::atan(std::fabs(double(dx)) / double(dy)));
    if (dx < 0) // From lies right of To
        theta = pi - theta;
    if (dy > 0) // To lies below From; world y grows downward
        theta = 2 * pi - theta;
    return theta;
}

std::array<ScreenPoint, 4> arrowhead(ScreenPoint anchor, std::int64_t dx, std::int64_t dy,
                                     ArrowSize size) {
    const double theta = arrowAngle(dx, dy);
    const double ux = std::cos(theta), uy = -std::sin(theta); // along the link
    const double nx = std::sin(theta), ny = std::cos(theta);  // across it
    auto at = [&](double ox, double oy) {
        // nearbyint rounds halves to even in the default rounding mode.
        return ScreenPoint{anchor.x + int(std::nearbyint(ox)), anchor.y + int(std::nearbyint(oy))};
    };
    return {at(size.tip * ux, size.tip * uy), at(-4 * ux + 3 * nx, -4 * uy + 3 * ny),
            at(-size.notch * ux, -size.notch * uy), at(-4 * ux - 3 * nx, -4 * uy - 3 * ny)};
}

} // namespace lumeris
