// Lisp source as a scheme fragment: every atom, list and ";;" comment line becomes an item,
// laid out like an indented listing, each linked to the element before it.
#pragma once

#include "model/scheme.h"

#include <cstdint>
#include <string_view>

namespace lumeris {

// Imports `source` (Windows-1251 bytes) with its first element at world point (x, y). Any
// text yields some items (blank text none); an unmatched closing bracket at the top level
// ends the import. Nesting depth is limited only by memory: lists are kept on an explicit
// stack, not on the call stack.
void importLisp(Scheme& scheme, std::string_view source, std::int32_t x, std::int32_t y);

} // namespace lumeris
