#include "text/numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>

namespace lumeris {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Drops a leading "+", which std::from_chars does not take.
std::string_view withoutPlus(std::string_view text) {
    return !text.empty() && text.front() == '+' ? text.substr(1) : text;
}

std::string_view unsignedPart(std::string_view text) {
    return !text.empty() && (text.front() == '+' || text.front() == '-') ? text.substr(1) : text;
}

} // namespace

void appendInteger(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendReal(std::string& out, float value) {
    if (std::isnan(value))
        value = 0;
    if (std::isinf(value))
        value = std::copysign(FLT_MAX, value);
    // A float has 24 significant bits, so the product with 10000 is exact in a double and
    // std::round gives the true half-away-from-zero rounding of the fourth decimal.
    const double scaled = std::round(static_cast<double>(value) * 10000.0);
    if (scaled == 0) {
        out += "0.0000";
        return;
    }
    char digits[64];
    char* end;
    const double magnitude = std::fabs(scaled);
    if (magnitude < 9.0e18)
        end =
            std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(magnitude)).ptr;
    else
        end = std::to_chars(digits, digits + sizeof digits, magnitude, std::chars_format::fixed, 0)
                  .ptr;
    const std::string_view all(digits, end - digits);
    if (scaled < 0)
        out += '-';
    if (all.size() <= 4) {
        out += "0.";
        out.append(4 - all.size(), '0');
        out += all;
    } else {
        out += all.substr(0, all.size() - 4);
        out += '.';
        out += all.substr(all.size() - 4);
    }
}

std::string formatReal(float value) {
    std::string out;
    appendReal(out, value);
    return out;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    const std::string_view digits = unsignedPart(text);
    if (digits.empty())
        return std::nullopt;
    for (char c : digits)
        if (!isDigit(c))
            return std::nullopt;
    const std::string_view signedText = withoutPlus(text);
    std::int32_t value = 0;
    const auto result =
        std::from_chars(signedText.data(), signedText.data() + signedText.size(), value);
    if (result.ec != std::errc() || result.ptr != signedText.data() + signedText.size())
        return std::nullopt;
    return value;
}

std::optional<float> parseReal(std::string_view text) {
    const std::string_view body = unsignedPart(text);
    int digitCount = 0;
    int pointCount = 0;
    for (char c : body) {
        if (isDigit(c))
            ++digitCount;
        else if (c == '.')
            ++pointCount;
        else
            return std::nullopt;
    }
    if (digitCount == 0 || pointCount > 1)
        return std::nullopt;
    const std::string_view signedText = withoutPlus(text);
    const char* first = signedText.data();
    const char* last = first + signedText.size();
    float value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
    if (result.ec == std::errc())
        return result.ptr == last ? std::optional<float>(value) : std::nullopt;
    // Out of range with no digit above the point can only be an underflow: a value too small
    // for a float reads as what the float can hold of it.
    const std::string_view whole = body.substr(0, body.find('.'));
    if (whole.find_first_not_of('0') != std::string_view::npos)
        return std::nullopt;
    double wide = 0;
    if (std::from_chars(first, last, wide, std::chars_format::fixed).ec == std::errc())
        return static_cast<float>(wide);
    return text.front() == '-' ? -0.0f : 0.0f;
}

} // namespace lumeris
