#include "platform/csv_spreadsheet.h"

#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace lumeris {

CsvSpreadsheet::CsvSpreadsheet() : followsCurrentFolder_(true) {
    followCurrentFolder();
}

CsvSpreadsheet::CsvSpreadsheet(std::filesystem::path folder)
    : file_(std::move(folder) / "NS.csv") {}

// Only between steps, so that one step's pokes all reach the workbook its reads came from.
// A link that moves starts closed, as a new conversation does.
void CsvSpreadsheet::followCurrentFolder() {
    if (!followsCurrentFolder_ || !pokes_.empty())
        return;
    std::error_code error;
    std::filesystem::path file = std::filesystem::current_path(error) / "NS.csv";
    if (error || file == file_)
        return;
    file_ = std::move(file);
    open_ = false;
    table_ = {};
    stamp_ = {};
    unsaved_ = false;
}

std::optional<CsvSpreadsheet::FileStamp>
CsvSpreadsheet::stampOf(const std::filesystem::path& path) {
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return FileStamp{info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec,
                     info.st_mtim.tv_nsec};
}

// Returns whether the table was read again. A file that has gone keeps the last table.
bool CsvSpreadsheet::reloadIfChanged() {
    const auto stamp = stampOf(file_);
    if (!stamp || *stamp == stamp_)
        return false;
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return false;
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    table_ = CsvTable::parse(text);
    stamp_ = *stamp;
    return true;
}

std::string CsvSpreadsheet::readCell(const std::string& cell) {
    followCurrentFolder();
    if (!open_) {
        if (!stampOf(file_))
            return clientText_;
        open_ = true;
    }
    refresh();
    const auto name = parseCellName(cell);
    clientText_ = name ? table_.cell(*name) : std::string();
    return clientText_;
}

void CsvSpreadsheet::pokeCell(const std::string& cell, const std::string& text) {
    followCurrentFolder();
    const auto name = parseCellName(cell);
    if (!open_ || !name)
        return;
    unsaved_ = table_.setCell(*name, text) || unsaved_;
    pokes_.emplace_back(*name, text);
}

// Reads the file again when it has changed on disk; this step's pokes stay on top of it.
void CsvSpreadsheet::refresh() {
    if (!reloadIfChanged())
        return;
    unsaved_ = false;
    for (const auto& [name, text] : pokes_)
        unsaved_ = table_.setCell(name, text) || unsaved_;
}

void CsvSpreadsheet::endStep() {
    if (pokes_.empty())
        return;
    refresh();
    pokes_.clear();
    // A workbook that has gone is a link that has gone: nothing is delivered, and the next
    // read tries to open it again.
    if (!stampOf(file_)) {
        open_ = false;
        unsaved_ = false;
        return;
    }
    if (unsaved_)
        write();
    unsaved_ = false;
}

void CsvSpreadsheet::write() {
    const std::filesystem::path temporary =
        file_.parent_path() / (".NS.csv." + std::to_string(::getpid()) + ".tmp");
    const std::string text = table_.serialize();
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file_, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return;
    }
    if (const auto stamp = stampOf(file_))
        stamp_ = *stamp;
}

} // namespace lumeris
