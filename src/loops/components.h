// The strongly connected components of the link graph: two items share one when each reaches
// the other, so every loop lies inside one.
#pragma once

#include "loops/link_graph.h"

#include <vector>

namespace lumeris {

// The component number of every vertex.
std::vector<int> strongComponents(const LinkGraph& graph);

} // namespace lumeris
