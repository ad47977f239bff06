// The zoom-dependent background grid: which powers of two are drawn, how dark, and where
// their lines start.
#pragma once

#include <cstdint>
#include <vector>

namespace lumeris {

struct GridLayer {
    std::int32_t spacing; // world units between lines, 2^i
    int grey;             // each of the three channels of the line colour
};

// Finer layers first; none below zoom level 2. Levels above 9 start at the 4-unit layer,
// the finest whose weight the rule defines.
std::vector<GridLayer> gridLayers(int zoomLevel, float scale);

// The first line at or before the view's edge: edge - (edge rem spacing), the remainder
// taking the sign of edge.
std::int32_t gridStart(std::int32_t edge, std::int32_t spacing);

} // namespace lumeris
