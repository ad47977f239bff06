#include "legacy_cursor.h"

#include "files/reader_support.h"
#include "text/numbers.h"

namespace lumeris {

namespace {

constexpr std::string_view Blanks = " \t\r\n";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

void LegacyCursor::fail() const {
    throw DataError{lineNumber};
}

std::string_view LegacyCursor::numberRun(bool withPoint) {
    position_ = std::min(bytes_.find_first_not_of(Blanks, position_), bytes_.size());
    const std::size_t start = position_;
    if (position_ < bytes_.size() && (bytes_[position_] == '+' || bytes_[position_] == '-'))
        ++position_;
    bool pointSeen = !withPoint;
    while (position_ < bytes_.size()) {
        const char c = bytes_[position_];
        if (c == '.' && !pointSeen)
            pointSeen = true;
        else if (!isDigit(c))
            break;
        ++position_;
    }
    return bytes_.substr(start, position_ - start);
}

std::int32_t LegacyCursor::readInteger() {
    const auto value = parseInteger(numberRun(false));
    if (!value)
        fail();
    return *value;
}

float LegacyCursor::readReal() {
    const auto value = parseReal(numberRun(true));
    if (!value)
        fail();
    return *value;
}

char LegacyCursor::readSeparator() {
    if (position_ >= bytes_.size())
        fail();
    return bytes_[position_++];
}

std::string_view LegacyCursor::restOfLine() {
    std::size_t end = bytes_.find_first_of("\r\n", position_);
    if (end == std::string_view::npos)
        end = bytes_.size();
    const std::string_view rest = bytes_.substr(position_, end - position_);
    position_ = end;
    if (position_ == bytes_.size())
        return rest;
    const bool carriageReturn = bytes_[position_] == '\r';
    ++position_;
    if (carriageReturn && position_ < bytes_.size() && bytes_[position_] == '\n')
        ++position_;
    return rest;
}

bool LegacyCursor::atEnd() const {
    return bytes_.find_first_not_of(Blanks, position_) == std::string_view::npos;
}

} // namespace lumeris
