// Turns a graph read from another tool into items and links of the scheme.
#pragma once

#include "exchange/graph.h"
#include "model/scheme.h"

#include <cstdint>
#include <vector>

namespace lumeris {

struct Placement {
    std::int32_t x = 0; // the point the import is placed at
    std::int32_t y = 0;
    // True: nodes keep the positions their file gives. False: the first node with a position
    // lands at (x, y) and the others keep their distances to it, as a pasted fragment does.
    bool keepPositions = false;
};

// Creates one item per node, in the graph's order (so the items get consecutive fresh ids,
// LastId + 1 on), then one link per edge in its order. Nodes without a position are laid out
// as the other importers list their items: a column from (x, y) down, 32 units apart.
// Returns the new items, oldest first.
std::vector<CPoint*> placeGraph(Scheme& scheme, const ExchangeGraph& graph,
                                const Placement& placement);

} // namespace lumeris
