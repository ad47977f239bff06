// The four conversions between world and canvas coordinates and the on-screen test. The
// arithmetic is done in extended precision (long double) from the 32-bit float Scale, and
// the two terms of a world-to-canvas conversion are truncated each on its own, so that a
// column computed here is the column every other part computes for the same point.
#pragma once

#include "view/view_state.h"

#include <cstdint>

namespace lumeris {

// trunc(-ScreenX * Scale) + trunc(x * Scale).
int ToScreenX(const ViewState& view, float x);
int ToScreenY(const ViewState& view, float y);
// trunc(column / Scale) + ScreenX.
std::int32_t ToWorldX(const ViewState& view, int column);
std::int32_t ToWorldY(const ViewState& view, int row);
// ScreenX <= x <= ScreenX + CanvasWidth / Scale, the same for y; bounds inclusive.
bool IsOnScreen(const ViewState& view, float x, float y);

// Truncation toward zero that saturates at the range of a 32-bit integer (0 for NaN): a file
// may store any Scale, and an out-of-range conversion must not be undefined behaviour.
std::int32_t truncToInt(long double value);

} // namespace lumeris
