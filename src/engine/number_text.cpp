#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace lumeris {

std::string formatFixed4(float value) {
    // A float times 10^4 is exact in a double (24 + 14 bits), so rounding sees the true tie.
    const double scaled = std::round(static_cast<double>(value) * 10000.0);
    char text[64];
    if (std::fabs(scaled) >= 1e15) {
        std::snprintf(text, sizeof text, "%.4f", static_cast<double>(value));
        return text;
    }
    const long long units = static_cast<long long>(scaled);
    const unsigned long long magnitude = units < 0 ? -units : units;
    std::snprintf(text, sizeof text, "%s%llu.%04llu", units < 0 ? "-" : "", magnitude / 10000,
                  magnitude % 10000);
    return text;
}

std::optional<float> parseNumber(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace lumeris
