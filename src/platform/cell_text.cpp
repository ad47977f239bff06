#include "platform/cell_text.h"

#include <charconv>
#include <cmath>

namespace lumeris {

namespace {

constexpr std::size_t maxRows = 1048576;
constexpr std::size_t maxColumns = 16384;

// Digits at the front of text, removed from it; nullopt when there are none or too many.
std::optional<std::size_t> takeNumber(std::string_view& text, std::size_t limit) {
    std::size_t value = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || value < 1 || value > limit)
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(stop - text.data()));
    return value;
}

bool takeLetter(std::string_view& text, char upper) {
    if (text.empty() || (text.front() != upper && text.front() != upper + ('a' - 'A')))
        return false;
    text.remove_prefix(1);
    return true;
}

bool needsQuotes(const std::string& field) {
    return field.find_first_of(",\"\r\n") != std::string::npos;
}

} // namespace

std::optional<CellName> parseCellName(std::string_view name) {
    if (!takeLetter(name, 'R'))
        return std::nullopt;
    const auto row = takeNumber(name, maxRows);
    if (!row || !takeLetter(name, 'C'))
        return std::nullopt;
    const auto column = takeNumber(name, maxColumns);
    if (!column || !name.empty())
        return std::nullopt;
    return CellName{*row, *column};
}

std::optional<float> parseCellNumber(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    float value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

CsvTable CsvTable::parse(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    CsvTable table;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;
    bool recordOpen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                quoted = false;
            continue;
        }
        recordOpen = true;
        if (c == '"' && field.empty()) {
            quoted = true;
        } else if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            record.push_back(std::move(field));
            field.clear();
            table.rows_.push_back(std::move(record));
            record.clear();
            recordOpen = false;
        } else {
            field += c;
        }
    }
    if (recordOpen || quoted) {
        record.push_back(std::move(field));
        table.rows_.push_back(std::move(record));
    }
    return table;
}

std::string CsvTable::serialize() const {
    std::string out;
    for (const auto& record : rows_) {
        for (std::size_t i = 0; i < record.size(); ++i) {
            if (i > 0)
                out += ',';
            if (!needsQuotes(record[i])) {
                out += record[i];
                continue;
            }
            out += '"';
            for (char c : record[i])
                out += c == '"' ? std::string("\"\"") : std::string(1, c);
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

std::string CsvTable::cell(CellName name) const {
    if (name.row > rows_.size() || name.column > rows_[name.row - 1].size())
        return {};
    return rows_[name.row - 1][name.column - 1];
}

bool CsvTable::setCell(CellName name, const std::string& text) {
    if (cell(name) == text)
        return false;
    if (rows_.size() < name.row)
        rows_.resize(name.row);
    auto& record = rows_[name.row - 1];
    if (record.size() < name.column)
        record.resize(name.column);
    record[name.column - 1] = text;
    return true;
}

} // namespace lumeris
