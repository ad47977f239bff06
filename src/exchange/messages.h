// The texts lumeris-cli prints for the exchange readers' outcomes. (The window words them
// through its translations.)
#pragma once

#include "exchange/graph.h"

#include <string>

namespace lumeris {

// "Error in data, line N[, column C]: what is wrong".
std::string describeError(const ExchangeError& error);

// One line per note, each ending in a line feed; empty when there is nothing to tell.
std::string describeNotes(const ImportNotes& notes);

} // namespace lumeris
