#include "exchange/qt/exchange_files.h"

#include "exchange/csv.h"
#include "exchange/dot.h"
#include "exchange/qt/graphml.h"

namespace lumeris {

ExchangeRead readExchange(ExchangeFormat format, std::string_view bytes) {
    return format == ExchangeFormat::Graphml ? readGraphml(bytes) : readCsv(bytes);
}

std::string writeExchange(ExchangeFormat format, const Scheme& scheme) {
    switch (format) {
    case ExchangeFormat::Graphml:
        return writeGraphml(scheme);
    case ExchangeFormat::Csv:
        return writeCsv(scheme);
    case ExchangeFormat::Dot:
        return writeDot(scheme);
    }
    return {};
}

} // namespace lumeris
