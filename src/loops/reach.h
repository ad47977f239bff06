// Causes and effects of an item: every item from which a path of links leads to it, and every
// item it reaches, each with the number of links on the shortest such path.
#pragma once

#include "loops/link_graph.h"

#include <vector>

namespace lumeris {

struct Reached {
    int vertex;
    int distance; // links on the shortest path
};

enum class Direction { Causes, Effects };

// Breadth first, nearest first. The item itself is listed when a loop leads back to it, with
// the length of the shortest such loop.
std::vector<Reached> reach(const LinkGraph& graph, int from, Direction direction);

} // namespace lumeris
