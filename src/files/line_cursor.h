// The current reader's position in its list of lines: a current line and a position in it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumeris {

// Every read throws DataError with the index of the current line (counted from 0) when the
// line does not exist, the position is past its end where a field is expected, a text field
// lacks its TAB or a number cannot be converted. Whatever is left on a line is ignored.
class LineCursor {
  public:
    LineCursor(const std::vector<std::string>& lines, std::size_t first)
        : lines_(lines), line_(first) {}

    // Skips TAB, LF, CR and space, then converts the longest run of "+", "-" and digits.
    std::int32_t readInteger();
    // The same with "." also in the run; "." is the decimal point and no exponent is taken.
    float readReal();
    // A TAB, then everything up to the next TAB or the end of the line.
    std::string_view readText();
    void nextLine() {
        ++line_;
        position_ = 0;
    }
    int line() const { return static_cast<int>(line_); }
    [[noreturn]] void fail() const;

  private:
    // The current line, which must exist and still have characters at the position.
    std::string_view remaining() const;
    // Skips blanks, then takes the longest run of signs and digits (and points).
    std::string_view takeRun(bool withPoint);

    const std::vector<std::string>& lines_;
    std::size_t line_;
    std::size_t position_ = 0;
};

} // namespace lumeris
