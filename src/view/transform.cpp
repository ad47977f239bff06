#include "view/transform.h"

#include <cmath>
#include <limits>

namespace lumeris {

std::int32_t truncToInt(long double value) {
    constexpr long double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr long double highest = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(value))
        return 0;
    if (value <= lowest)
        return std::numeric_limits<std::int32_t>::min();
    if (value >= highest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

namespace {

int toScreen(std::int32_t origin, float scale, float coordinate) {
    const long double s = scale;
    const long double offset = std::trunc(-static_cast<long double>(origin) * s);
    const long double term = std::trunc(static_cast<long double>(coordinate) * s);
    return truncToInt(offset + term);
}

std::int32_t toWorld(std::int32_t origin, float scale, int pixel) {
    const long double term = std::trunc(static_cast<long double>(pixel) / scale);
    return truncToInt(term + origin);
}

bool within(std::int32_t origin, std::int32_t extent, float scale, float coordinate) {
    const long double low = origin;
    const long double high = low + static_cast<long double>(extent) / scale;
    return low <= coordinate && coordinate <= high;
}

} // namespace

int ToScreenX(const ViewState& view, float x) {
    return toScreen(view.ScreenX, view.Scale, x);
}

int ToScreenY(const ViewState& view, float y) {
    return toScreen(view.ScreenY, view.Scale, y);
}

std::int32_t ToWorldX(const ViewState& view, int column) {
    return toWorld(view.ScreenX, view.Scale, column);
}

std::int32_t ToWorldY(const ViewState& view, int row) {
    return toWorld(view.ScreenY, view.Scale, row);
}

bool IsOnScreen(const ViewState& view, float x, float y) {
    return within(view.ScreenX, view.CanvasWidth, view.Scale, x) &&
           within(view.ScreenY, view.CanvasHeight, view.Scale, y);
}

} // namespace lumeris
