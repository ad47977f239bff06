#include "lines.h"

namespace lumeris {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        lines.emplace_back(bytes.substr(start, end - start));
        start = end;
        if (start == bytes.size())
            break;
        const bool carriageReturn = bytes[start] == '\r';
        ++start;
        if (carriageReturn && start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

std::string_view firstLine(std::string_view bytes) {
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

} // namespace lumeris
