#include "view/tooltip_lines.h"

#include <cstring>

namespace lumeris {
namespace {

constexpr std::size_t MaxLine = 60;
constexpr std::size_t Lookback = 10;

bool isBreak(char c) {
    return c != '\0' && std::strchr(" !),-.=?", c) != nullptr;
}

// Where a line of MaxLine + 1 characters is cut: after its last break character among the
// final Lookback, else after MaxLine characters.
std::size_t cutPoint(const std::string& line) {
    for (std::size_t i = line.size(); i > line.size() - Lookback; --i)
        if (isBreak(line[i - 1]))
            return i;
    return MaxLine;
}

} // namespace

std::vector<std::string> tooltipLines(const std::string& text) {
    const std::string source = text + '\r';
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '\r') {
            lines.push_back(line);
            line.clear();
            // The line feed of a CR LF pair; a lone CR keeps the character after it.
            if (i + 1 < source.size() && source[i + 1] == '\n')
                ++i;
            continue;
        }
        line += source[i];
        if (line.size() > MaxLine) {
            const std::size_t cut = cutPoint(line);
            lines.push_back(line.substr(0, cut));
            line.erase(0, cut);
        }
    }
    return lines;
}

} // namespace lumeris
