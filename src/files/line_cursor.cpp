#include "line_cursor.h"

#include "files/reader_support.h"
#include "text/numbers.h"

namespace lumeris {

namespace {

bool isBlank(char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

bool isSignOrDigit(char c) {
    return (c >= '0' && c <= '9') || c == '+' || c == '-';
}

} // namespace

void LineCursor::fail() const {
    throw DataError{line()};
}

std::string_view LineCursor::remaining() const {
    if (line_ >= lines_.size() || position_ >= lines_[line_].size())
        fail();
    return std::string_view(lines_[line_]).substr(position_);
}

std::string_view LineCursor::takeRun(bool withPoint) {
    const std::string_view rest = remaining();
    std::size_t start = 0;
    while (start < rest.size() && isBlank(rest[start]))
        ++start;
    std::size_t end = start;
    while (end < rest.size() && (isSignOrDigit(rest[end]) || (withPoint && rest[end] == '.')))
        ++end;
    position_ += end;
    return rest.substr(start, end - start);
}

std::int32_t LineCursor::readInteger() {
    const auto value = parseInteger(takeRun(false));
    if (!value)
        fail();
    return *value;
}

float LineCursor::readReal() {
    const auto value = parseReal(takeRun(true));
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
