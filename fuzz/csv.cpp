// The CSV reader on any bytes: it never crashes or hangs; a list it accepts becomes exactly
// its items and links, and the export of those reads back with every link.
#include "exchange/csv.h"
#include "exchange/place.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace lumeris;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExchangeRead read = readCsv(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read)
        return 0;
    Scheme scheme;
    placeGraph(scheme, read.graph, Placement{});
    if (std::size_t(scheme.ItemCount) != read.graph.nodes.size() ||
        std::size_t(scheme.LinkCount) != read.graph.edges.size())
        std::abort();
    // Names that differ only in what the code page cannot hold may meet again as one item.
    const ExchangeRead again = readCsv(writeCsv(scheme));
    if (!again || again.graph.edges.size() != read.graph.edges.size())
        std::abort();
    return 0;
}
