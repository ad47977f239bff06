#include "text/lines.h"

namespace lumeris {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    const std::size_t size = bytes.size();
    std::size_t start = 0;
    while (start < size) {
        std::size_t end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        lines.emplace_back(bytes.substr(start, end - start));
        if (end == size)
            break;
        start = end + 1;
        if (bytes[end] == '\r' && start < size && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

std::string_view firstLine(std::string_view bytes) {
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

} // namespace lumeris
