// The window's Import command once its file is read: the graph joins the scheme at the world
// point under the pointer and forms the chosen group, as a pasted fragment does.
#pragma once

#include "exchange/graph.h"
#include "program/world.h"

namespace lumeris {

// The import is one undo step of its own: what came before it is closed first, and the
// window's end of the event closes the import.
void importAtPointer(World& world, const ExchangeGraph& graph);

} // namespace lumeris
