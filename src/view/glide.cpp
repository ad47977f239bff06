#include "view/glide.h"

#include "view/transform.h"

#include <cmath>

namespace lumeris {

namespace {

struct Centre {
    long double x, y;
};

Centre centreOf(const ViewState& view, std::int32_t screenX, std::int32_t screenY, float scale) {
    return {screenX + view.CanvasWidth / (2.0L * scale),
            screenY + view.CanvasHeight / (2.0L * scale)};
}

ViewTarget around(const ViewState& view, Centre centre, float scale) {
    return {truncToInt(centre.x - view.CanvasWidth / (2.0L * scale)),
            truncToInt(centre.y - view.CanvasHeight / (2.0L * scale)), scale};
}

} // namespace

ViewTarget centredOn(const ViewState& view, std::int32_t x, std::int32_t y) {
    return around(view, {static_cast<long double>(x), static_cast<long double>(y)}, view.Scale);
}

bool glideStep(ViewGlide& glide, ViewState& view, bool jump) {
    if (!glide.Active)
        return false;
    const ViewTarget& target = glide.Target;
    const float scale = std::fabs(view.Scale - target.Scale) > view.Scale / 16
                            ? (view.Scale + target.Scale) / 2
                            : target.Scale;
    const Centre from = centreOf(view, view.ScreenX, view.ScreenY, view.Scale);
    const Centre to = centreOf(view, target.ScreenX, target.ScreenY, target.Scale);
    const Centre halfway{(from.x + to.x) / 2, (from.y + to.y) / 2};
    const bool arrived = scale == target.Scale && std::fabs(to.x - halfway.x) * scale < 1 &&
                         std::fabs(to.y - halfway.y) * scale < 1;
    if (jump || arrived) {
        view.ScreenX = target.ScreenX;
        view.ScreenY = target.ScreenY;
        view.Scale = target.Scale;
        glide.Active = false;
        return true;
    }
    const ViewTarget next = around(view, halfway, scale);
    view.ScreenX = next.ScreenX;
    view.ScreenY = next.ScreenY;
    view.Scale = scale;
    return true;
}

} // namespace lumeris
