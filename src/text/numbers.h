// The numbers of the scheme text: written and read the same way whatever the process locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumeris {

// Appends a real with four decimals and "." as the point, rounded half away from zero; a value
// that rounds to zero is "0.0000". NaN is written as 0 and an infinity as the largest float,
// so that everything written reads back.
void appendReal(std::string& out, float value);
std::string formatReal(float value);

void appendInteger(std::string& out, std::int64_t value);

// An optional sign and at least one digit, fitting in 32 bits; anything else is nullopt.
std::optional<std::int32_t> parseInteger(std::string_view text);

// An optional sign, digits and at most one point, with at least one digit ("1." and ".5" are
// fine). A value beyond the float range is nullopt; one too small for it reads as zero.
std::optional<float> parseReal(std::string_view text);

} // namespace lumeris
