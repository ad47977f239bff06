#include "exchange/fields.h"

#include "text/utf8_cp1251.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lumeris {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

constexpr double CoordinateLimit = 1e9;

// The text in Windows-1251 with each line break (CR LF, LF or CR) as `lineBreak`.
std::string withBreaks(std::string_view utf8, std::string_view lineBreak) {
    const std::string bytes = utf8ToCp1251(utf8);
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            text += lineBreak;
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            text += bytes[i];
        }
    }
    return text;
}
} // namespace

std::optional<double> parseNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

float clampCounted(double value, double low, double high, ImportNotes& notes) {
    if (value < low || value > high) {
        ++notes.clamped;
        value = value < low ? low : high;
    }
    return static_cast<float>(value);
}

std::int32_t coordinate(double value) {
    const double kept = std::fmin(std::fmax(value, -CoordinateLimit), CoordinateLimit);
    return static_cast<std::int32_t>(std::lround(kept));
}

std::string lineField(std::string_view utf8) {
    std::string text = withBreaks(utf8, " ");
    std::replace(text.begin(), text.end(), '\t', ' ');
    return text;
}

std::string textField(std::string_view utf8) {
    return withBreaks(utf8, "\r\n");
}

} // namespace lumeris
