#include "exchange/formats.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace lumeris {

namespace {

bool endsWith(std::string_view name, std::string_view ending) {
    return name.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), name.end() - ending.size(), [](char e, char n) {
               return e == std::tolower(static_cast<unsigned char>(n));
           });
}

} // namespace

std::optional<ExchangeFormat> formatOfFile(std::string_view fileName) {
    if (endsWith(fileName, ".graphml"))
        return ExchangeFormat::Graphml;
    if (endsWith(fileName, ".csv"))
        return ExchangeFormat::Csv;
    if (endsWith(fileName, ".dot"))
        return ExchangeFormat::Dot;
    return std::nullopt;
}

} // namespace lumeris
