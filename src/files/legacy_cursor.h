// The legacy reader's position in the file: numbers are read the way a text stream reads
// them, skipping blanks and line ends, and the rest of a line is taken as it stands.
#pragma once

#include <cstdint>
#include <string_view>

namespace lumeris {

// Every read throws DataError with the line number the reader sets (counted from 1) when the
// file ends where a value is expected or a number cannot be converted.
class LegacyCursor {
  public:
    explicit LegacyCursor(std::string_view bytes) : bytes_(bytes) {}

    // Skips spaces, TABs and line ends; an optional sign and digits, up to the first
    // character that cannot continue the number.
    std::int32_t readInteger();
    // The same with at most one decimal point "." (no exponent).
    float readReal();
    // One character, whatever it is.
    char readSeparator();
    // Everything up to the end of the line; the line end (CR LF, LF or CR) is passed over.
    std::string_view restOfLine();
    // Nothing but blanks and line ends is left.
    bool atEnd() const;

    int lineNumber = 4;

  private:
    [[noreturn]] void fail() const;
    std::string_view numberRun(bool withPoint);

    std::string_view bytes_;
    std::size_t position_ = 0;
};

} // namespace lumeris
