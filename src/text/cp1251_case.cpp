#include "text/cp1251_case.h"

#include <algorithm>
#include <cstdint>

namespace lumeris {

namespace {

// The small letters of 0x80..0xBF whose capitals lie elsewhere in that row, and the capitals.
constexpr std::string_view ExtraSmall =
    "\x83\x90\x9A\x9C\x9D\x9E\x9F\xA2\xB3\xB4\xB8\xBA\xBC\xBE\xBF";
constexpr std::string_view ExtraCapital =
    "\x81\x80\x8A\x8C\x8D\x8E\x8F\xA1\xB2\xA5\xA8\xAA\xA3\xBD\xAF";

} // namespace

char upperCp1251(char c) {
    const auto byte = static_cast<std::uint8_t>(c);
    if ((byte >= 'a' && byte <= 'z') || byte >= 0xE0)
        return static_cast<char>(byte - 0x20);
    const std::size_t extra = ExtraSmall.find(c);
    return extra == std::string_view::npos ? c : ExtraCapital[extra];
}

std::string upperPrefixCp1251(std::string_view text, std::size_t count) {
    std::string prefix(text.substr(0, count));
    std::transform(prefix.begin(), prefix.end(), prefix.begin(), upperCp1251);
    return prefix;
}

} // namespace lumeris
