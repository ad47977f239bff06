// The paste of clipboard text that is not a scheme fragment: one item per line.
#pragma once

#include "model/scheme.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumeris {

// Names longer than this are shortened; the line is kept whole in the item's text.
constexpr std::size_t PastedNameLimit = 100;

// The item name for a pasted line: a long line is cut after its last break character among
// characters 51..100 (else after character 100) and gets "..."; control characters become
// spaces.
std::string pastedName(std::string_view line);

// Items from `lines`, the first at (x, y) and each line 32 units below the last; a line's
// leading tabs and spaces indent it by 16 units each. More than three lines also get a hub
// item "*" at (x, y), the lines starting `offset` units right of and below it, each item
// linked to the hub with coefficient 0. A line that is a web address is also the item's url.
void pastePlainLines(Scheme& scheme, const std::vector<std::string>& lines, std::int32_t x,
                     std::int32_t y, int offset);

} // namespace lumeris
