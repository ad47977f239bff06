#include "view/grid_layers.h"

#include <algorithm>

namespace lumeris {

std::vector<GridLayer> gridLayers(int zoomLevel, float scale) {
    std::vector<GridLayer> layers;
    if (zoomLevel < 2)
        return layers;
    for (int i = std::max(2, 11 - zoomLevel); i <= 9; ++i) {
        const int weight = 1 << int(i / 1.5 - 2);
        const int shade = int(weight * scale * 0.8);
        layers.push_back({std::int32_t(1) << i, std::clamp(252 - 4 * shade, 0, 255)});
    }
    return layers;
}

std::int32_t gridStart(std::int32_t edge, std::int32_t spacing) {
    return edge - edge % spacing;
}

} // namespace lumeris
