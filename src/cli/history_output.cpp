#include "cli/history_output.h"

#include "cli/io.h"

#include <string_view>

namespace lumeris::cli {

bool HistoryOutput::choose(const Scheme& scheme, const std::optional<std::string>& ids) {
    trend_.restart(scheme);
    if (!ids) {
        columns_ = trendColumns(trend_, trend_.columns());
        return true;
    }
    std::vector<CPoint*> items;
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = ids->find(',', start);
        const auto id = integerArgument(std::string_view(*ids).substr(start, end - start));
        CPoint* item = id ? scheme.findById(*id) : nullptr;
        if (!item)
            return false;
        items.push_back(item);
    }
    columns_ = trendColumns(trend_, items);
    return true;
}

bool HistoryOutput::open(const std::string& path) {
    out_.open(path, std::ios::binary | std::ios::trunc);
    line_.clear();
    appendCsvHeader(line_, columns_);
    out_.write(line_.data(), std::streamsize(line_.size()));
    return writeRow();
}

bool HistoryOutput::record(const Scheme& scheme) {
    trend_.record(scheme);
    return writeRow();
}

bool HistoryOutput::writeRow() {
    line_.clear();
    appendCsvRow(line_, trend_, columns_, trend_.lastStep());
    out_.write(line_.data(), std::streamsize(line_.size()));
    return static_cast<bool>(out_);
}

bool HistoryOutput::close() {
    out_.close();
    return static_cast<bool>(out_);
}

} // namespace lumeris::cli
