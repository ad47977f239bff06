// The spreadsheet link on Linux: the workbook is the file NS.csv in a folder (the process's
// current folder unless told otherwise), cells named in R1C1 notation.
#pragma once

#include "platform/cell_text.h"
#include "platform/spreadsheet_link.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumeris {

class CsvSpreadsheet : public SpreadsheetLink {
  public:
    // The workbook of the process's current folder, which saving a scheme moves: between
    // steps the link follows it to the NS.csv there.
    CsvSpreadsheet();
    explicit CsvSpreadsheet(std::filesystem::path folder);

    // Opens the link on first use (a missing file: it stays closed and the previous text is
    // returned); reads the file again whenever it has changed on disk.
    std::string readCell(const std::string& cell) override;
    // Kept for the end of the step, and seen at once by later reads of the same cell.
    void pokeCell(const std::string& cell, const std::string& text) override;
    // Writes the step's pokes, when they change anything, in one atomic replacement of the
    // file (a temporary file in the same folder, then a rename). Failures are silent.
    void endStep() override;

    const std::filesystem::path& file() const { return file_; }

  private:
    // What tells a changed file: identity, size and modification time.
    struct FileStamp {
        unsigned long long device = 0, inode = 0;
        long long size = -1, seconds = 0, nanoseconds = 0;
        bool operator==(const FileStamp&) const = default;
    };

    static std::optional<FileStamp> stampOf(const std::filesystem::path& path);
    void followCurrentFolder();
    bool reloadIfChanged();
    void refresh();
    void write();

    bool followsCurrentFolder_ = false;
    std::filesystem::path file_;
    bool open_ = false;
    CsvTable table_;
    FileStamp stamp_;
    std::string clientText_; // the text of the last request, as a DDE client item keeps it
    std::vector<std::pair<CellName, std::string>> pokes_; // this step's, in order
    bool unsaved_ = false; // the table holds pokes that the file does not
};

} // namespace lumeris
