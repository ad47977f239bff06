// Locale-independent conversions between reals and the texts of spreadsheet cells.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumeris {

// The pattern "0.0000": "." and four decimals, rounded half away from zero from the float's
// exact value; a value that rounds to zero is "0.0000", never "-0.0000".
std::string formatFixed4(float value);

// The text as a number ("." decimal point, surrounding blanks ignored), or nothing when the
// whole text is not one number.
std::optional<float> parseNumber(std::string_view text);

} // namespace lumeris
