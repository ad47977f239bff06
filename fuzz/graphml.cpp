// The GraphML reader on any bytes: it never crashes or hangs; a graph it accepts becomes
// exactly its items and links, and the export of those reads back with the same counts.
#include "exchange/qt/graphml.h"
#include "exchange/place.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace lumeris;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ExchangeRead read =
        readGraphml(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!read)
        return 0;
    Scheme scheme;
    placeGraph(scheme, read.graph, Placement{0, 0, false});
    if (std::size_t(scheme.ItemCount) != read.graph.nodes.size() ||
        std::size_t(scheme.LinkCount) != read.graph.edges.size())
        std::abort();
    const ExchangeRead again = readGraphml(writeGraphml(scheme));
    if (!again || again.graph.nodes.size() != read.graph.nodes.size() ||
        again.graph.edges.size() != read.graph.edges.size())
        std::abort();
    return 0;
}
