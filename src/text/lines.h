// Splitting text into the lines the scheme readers take.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumeris {

// Lines end at CR LF, LF or CR. Text after the last line end is a line of its own when it is not
// empty, so "a\r\nb\r\n" and "a\r\nb" both give two lines.
std::vector<std::string> splitLines(std::string_view bytes);

// The first line of the text, up to (not including) its first CR or LF.
std::string_view firstLine(std::string_view bytes);

} // namespace lumeris
