#include "edit/plain_lines.h"

#include "edit/web_address.h"

namespace lumeris {

namespace {

constexpr std::size_t ShortestCutName = 51;
constexpr int IndentStep = 16;
constexpr int LineStep = 32;

bool isBreak(char c) {
    return std::string_view(" !),-.=?").find(c) != std::string_view::npos;
}

// Positions wrap around like the 32-bit arithmetic they come from.
std::int32_t wrapped(std::int64_t position) {
    return static_cast<std::int32_t>(position);
}

} // namespace

std::string pastedName(std::string_view line) {
    std::string name(line);
    if (line.size() > PastedNameLimit) {
        std::size_t cut = PastedNameLimit;
        while (cut >= ShortestCutName && !isBreak(line[cut - 1]))
            --cut;
        name = std::string(line.substr(0, cut >= ShortestCutName ? cut : PastedNameLimit)) + "...";
    }
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 32)
            c = ' ';
    return name;
}

void pastePlainLines(Scheme& scheme, const std::vector<std::string>& lines, std::int32_t x,
                     std::int32_t y, int offset) {
    BusyGuard busy(scheme);
    CPoint* hub = nullptr;
    if (lines.size() > 3) {
        hub = scheme.createItem("*", x, y);
        x = wrapped(std::int64_t{x} + offset);
        y = wrapped(std::int64_t{y} + offset);
    }
    for (const std::string& line : lines) {
        const std::size_t indent = line.find_first_not_of("\t ");
        if (indent != std::string::npos) {
            const std::string_view rest = std::string_view(line).substr(indent);
            const auto shift = static_cast<std::int64_t>(indent) * IndentStep;
            CPoint* item = scheme.createItem(pastedName(rest), wrapped(x + shift), y);
            if (hub)
                scheme.setCoefficient(scheme.createLink(item, hub), 0);
            if (isWebAddress(rest))
                item->url = rest;
            if (rest.size() > PastedNameLimit)
                item->text = rest;
        }
        y = wrapped(std::int64_t{y} + LineStep);
    }
}

} // namespace lumeris
