// The names the exported formats give the scheme's items.
#pragma once

#include "model/scheme.h"

#include <string>
#include <unordered_map>

namespace lumeris {

// "n" followed by each item's id. Files read by older versions may give two items the same
// id; the later of them (in ItemList order from the tail) gets "_2", "_3", ... added, so that
// every item has a name of its own.
std::unordered_map<const CPoint*, std::string> exportNodeIds(const Scheme& scheme);

} // namespace lumeris
