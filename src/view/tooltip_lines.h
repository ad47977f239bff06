// The tooltip's line breaking: carriage returns end lines, and a line that grows past 60
// characters breaks after the last break character among its final ten.
#pragma once

#include <string>
#include <vector>

namespace lumeris {

// Lines of an item's text as the tooltip box shows them (Windows-1251 bytes).
std::vector<std::string> tooltipLines(const std::string& text);

} // namespace lumeris
