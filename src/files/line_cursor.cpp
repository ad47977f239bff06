#include "line_cursor.h"

#include "files/numbers.h"
#include "files/reader_support.h"

namespace lumeris {

void LineCursor::fail() const {
    throw DataError{line()};
}

std::string_view LineCursor::remaining() const {
    if (line_ >= lines_.size() || position_ >= lines_[line_].size())
        fail();
    return std::string_view(lines_[line_]).substr(position_);
}

std::string_view LineCursor::takeRun(std::string_view allowed) {
    const std::string_view rest = remaining();
    std::size_t start = rest.find_first_not_of("\t\n\r ");
    if (start == std::string_view::npos)
        start = rest.size();
    std::size_t end = rest.find_first_not_of(allowed, start);
    if (end == std::string_view::npos)
        end = rest.size();
    position_ += end;
    return rest.substr(start, end - start);
}

std::int32_t LineCursor::readInteger() {
    const auto value = parseInteger(takeRun("+-0123456789"));
    if (!value)
        fail();
    return *value;
}

float LineCursor::readReal() {
    const auto value = parseReal(takeRun("+-.0123456789"));
    if (!value)
        fail();
    return *value;
}

std::string_view LineCursor::readText() {
    const std::string_view rest = remaining();
    if (rest.front() != '\t')
        fail();
    const std::size_t end = rest.find('\t', 1);
    const std::string_view value = rest.substr(1, end == std::string_view::npos ? end : end - 1);
    position_ += 1 + value.size();
    return value;
}

} // namespace lumeris
