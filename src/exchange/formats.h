// The exchange formats and how a file's name chooses one.
#pragma once

#include <optional>
#include <string_view>

namespace lumeris {

enum class ExchangeFormat { Graphml, Csv, Dot };

// By the name's ending, without regard to case: ".graphml", ".csv" or ".dot".
std::optional<ExchangeFormat> formatOfFile(std::string_view fileName);

// GraphML and CSV are read as well as written; DOT is only written.
inline bool canImport(ExchangeFormat format) {
    return format != ExchangeFormat::Dot;
}

} // namespace lumeris
