#include "exchange/csv.h"

#include "exchange/fields.h"

#include <optional>
#include <unordered_map>
#include <vector>

namespace lumeris {

namespace {

struct Field {
    std::string text;
    bool quoted = false;
};

struct Row {
    std::vector<Field> fields;
    int line = 0; // where the row starts
};

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// Splits the text into rows of fields as RFC 4180 has it: a field in double quotes may hold
// commas, line breaks and doubled quotes; rows end at CR LF, LF or CR.
class Records {
  public:
    explicit Records(std::string_view text) : text_(text) {}

    // The next row, or nullopt at the end of the text or on an error (then error() is set).
    std::optional<Row> next() {
        if (pos_ >= text_.size())
            return std::nullopt;
        Row row{{}, line_};
        while (true) {
            Field field;
            if (!(pos_ < text_.size() && text_[pos_] == '"' ? quotedField(field)
                                                            : plainField(field)))
                return std::nullopt;
            row.fields.push_back(std::move(field));
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            endOfLine();
            return row;
        }
    }

    const std::optional<ExchangeError>& error() const { return error_; }

  private:
    bool atLineEnd() const { return text_[pos_] == '\r' || text_[pos_] == '\n'; }

    void endOfLine() {
        if (pos_ < text_.size() && text_[pos_] == '\r')
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        ++line_;
    }

    bool plainField(Field& field) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd()) {
            if (text_[pos_] == '"')
                return fail(ExchangeFault::StrayQuote, line_);
            ++pos_;
        }
        field.text = trimmed(text_.substr(start, pos_ - start));
        return true;
    }

    bool quotedField(Field& field) {
        const int opened = line_;
        field.quoted = true;
        for (++pos_;; ++pos_) {
            if (pos_ >= text_.size())
                return fail(ExchangeFault::UnclosedQuote, opened);
            const char c = text_[pos_];
            if (c == '"' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '"') {
                field.text += '"';
                ++pos_;
            } else if (c == '"') {
                break;
            } else {
                countBreak(c);
                field.text += c;
            }
        }
        ++pos_; // the closing quote
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
            return fail(ExchangeFault::StrayQuote, line_);
        return true;
    }

    // Lines inside a quoted field count too, so that later errors name the right line.
    void countBreak(char c) {
        const bool crlf = c == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n';
        if ((c == '\r' && !crlf) || c == '\n')
            ++line_;
    }

    bool fail(ExchangeFault fault, int line) {
        error_ = ExchangeError{fault, line, 0, {}};
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    std::optional<ExchangeError> error_;
};

bool isBlankRow(const Row& row) {
    return row.fields.size() == 1 && row.fields[0].text.empty() && !row.fields[0].quoted;
}

std::string upperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

struct Columns {
    std::optional<std::size_t> from, to, weight, name;
};

Columns findColumns(const Row& header) {
    Columns columns;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = upperAscii(trimmed(header.fields[i].text));
        std::optional<std::size_t>* column = name == "FROM"     ? &columns.from
                                             : name == "TO"     ? &columns.to
                                             : name == "WEIGHT" ? &columns.weight
                                             : name == "NAME"   ? &columns.name
                                                                : nullptr;
        if (column && !*column)
            *column = i;
    }
    return columns;
}

class ConnectionList {
  public:
    ExchangeRead read(Records& records) {
        std::optional<Columns> columns;
        while (std::optional<Row> row = records.next()) {
            if (isBlankRow(*row))
                continue;
            if (!columns) {
                columns = findColumns(*row);
                if (!columns->from || !columns->to)
                    return failed(ExchangeFault::NoHeader, row->line);
            } else if (!addRow(*row, *columns)) {
                return std::move(result_);
            }
        }
        if (records.error())
            result_.error = records.error();
        else if (!columns)
            result_.error = ExchangeError{ExchangeFault::NoHeader, 1, 0, {}};
        return std::move(result_);
    }

  private:
    bool addRow(const Row& row, const Columns& columns) {
        if (*columns.from >= row.fields.size() || *columns.to >= row.fields.size())
            return fail(ExchangeFault::MissingField, row.line);
        ExchangeEdge edge;
        edge.from = node(row.fields[*columns.from].text);
        edge.to = node(row.fields[*columns.to].text);
        if (const std::string* weight = cell(row, columns.weight);
            weight && !trimmed(*weight).empty()) {
            const std::optional<double> number = parseNumber(*weight);
            if (!number)
                return fail(ExchangeFault::BadWeight, row.line);
            edge.weight = clampCounted(*number, -1, 1, result_.graph.notes);
        }
        if (const std::string* name = cell(row, columns.name))
            edge.name = lineField(*name);
        result_.graph.edges.push_back(std::move(edge));
        return true;
    }

    static const std::string* cell(const Row& row, std::optional<std::size_t> column) {
        return column && *column < row.fields.size() ? &row.fields[*column].text : nullptr;
    }

    // Names are told apart as the file writes them, before conversion to the code page.
    std::size_t node(const std::string& name) {
        const auto [found, added] = index_.try_emplace(name, result_.graph.nodes.size());
        if (added) {
            ExchangeNode node;
            node.name = lineField(name);
            result_.graph.nodes.push_back(std::move(node));
        }
        return found->second;
    }

    bool fail(ExchangeFault fault, int line) {
        result_.error = ExchangeError{fault, line, 0, {}};
        return false;
    }

    ExchangeRead failed(ExchangeFault fault, int line) {
        fail(fault, line);
        return std::move(result_);
    }

    ExchangeRead result_;
    std::unordered_map<std::string, std::size_t> index_;
};

} // namespace

ExchangeRead readCsv(std::string_view utf8) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (utf8.starts_with(ByteOrderMark))
        utf8.remove_prefix(ByteOrderMark.size());
    Records records(utf8);
    ExchangeRead read = ConnectionList().read(records);
    if (read.error)
        read.graph = {};
    return read;
}

} // namespace lumeris
