// The full-precision text of a scheme's state that lumeris-cli writes with --dump, by which
// results are compared bit for bit.
#pragma once

#include "model/scheme.h"

#include <string>

namespace lumeris {

// One line per item, oldest first: "I <id> <X> <Y> <VelX> <VelY> <Value> <nTraces>" and, per
// trace in trace order, " <sourceId> <traceValue>"; then one line per link, oldest first:
// "L <fromId> <toId> <Value>". Reals are C's %.9g of the float; lines end with LF.
std::string dumpScheme(const Scheme& scheme);

// Writes dumpScheme's text to the file; false when it could not be written.
bool saveDump(const std::string& path, const Scheme& scheme);

} // namespace lumeris
