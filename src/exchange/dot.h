// The scheme as a Graphviz graph, for drawing it with other tools.
#pragma once

#include "model/scheme.h"

#include <string>

namespace lumeris {

// A directed graph in UTF-8: every item a node labelled by its name, placed at its position
// in points (y turned upward, as Graphviz has it); every link an edge labelled by its
// coefficient, drawn wider the larger the coefficient and red when it is negative.
std::string writeDot(const Scheme& scheme);

} // namespace lumeris
