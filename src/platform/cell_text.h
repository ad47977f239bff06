// The texts of spreadsheet cells: their R1C1 names, their numbers, and a table of them read
// from and written to comma-separated text (RFC 4180).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumeris {

struct CellName {
    std::size_t row;    // from 1
    std::size_t column; // from 1
};

// "R3C2" is row 3, column 2 (letters in either case). Rows and columns beyond a
// spreadsheet's own limits (1048576 and 16384) are refused, as is anything else.
std::optional<CellName> parseCellName(std::string_view name);

// The text as a number: "." as the decimal point, an exponent allowed, blanks around it
// ignored. Nothing when the whole text is not one finite float.
std::optional<float> parseCellNumber(std::string_view text);

class CsvTable {
  public:
    // Reads comma-separated records; quoted fields may hold commas, quotes ("") and line
    // breaks. A UTF-8 byte order mark is skipped. Never fails: stray quotes are kept as text.
    static CsvTable parse(std::string_view text);
    // Records end with CR LF; fields holding a comma, quote, CR or LF are quoted.
    std::string serialize() const;

    // The cell's text; empty for a cell outside the table.
    std::string cell(CellName name) const;
    // Returns whether the text differs from what the cell held (the table grows as needed).
    bool setCell(CellName name, const std::string& text);

  private:
    std::vector<std::vector<std::string>> rows_;
};

} // namespace lumeris
