// The conversions every reader applies to what another tool wrote: numbers in any common
// notation, ranges the model keeps, and texts in the model's code page and line breaks.
#pragma once

#include "exchange/graph.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumeris {

// A finite decimal number, exponents allowed, blanks around it ignored; anything else is
// nullopt.
std::optional<double> parseNumber(std::string_view text);

// The number brought into low..high; each number that had to move counts in notes.clamped.
float clampCounted(double value, double low, double high, ImportNotes& notes);

// A coordinate rounded to the nearest integer and kept well inside 32 bits, so that the
// placement arithmetic cannot overflow.
std::int32_t coordinate(double value);

// UTF-8 as the model's Windows-1251 ("?" for what it cannot hold), on one line: each line
// break and each TAB becomes a space.
std::string lineField(std::string_view utf8);

// UTF-8 as Windows-1251 with every line break (CR LF, LF or CR) as CR LF.
std::string textField(std::string_view utf8);

} // namespace lumeris
