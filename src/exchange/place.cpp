#include "exchange/place.h"

#include <algorithm>
#include <limits>

namespace lumeris {

namespace {

constexpr std::int32_t ListingStep = 32;

// Far-off points stop at the edge of the world rather than wrap around.
std::int32_t world(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool positioned(const ExchangeNode& node) {
    return node.x && node.y;
}

// The shift that brings the file's positions to the placement point.
void positionShift(const ExchangeGraph& graph, const Placement& placement, std::int64_t& dx,
                   std::int64_t& dy) {
    dx = dy = 0;
    if (placement.keepPositions)
        return;
    for (const ExchangeNode& node : graph.nodes)
        if (positioned(node)) {
            dx = std::int64_t{placement.x} - *node.x;
            dy = std::int64_t{placement.y} - *node.y;
            return;
        }
}

void fill(CPoint* item, const ExchangeNode& node) {
    if (node.value)
        item->Value = *node.value;
    if (node.type)
        item->Type = *node.type;
    if (node.andOr)
        item->AndOr = *node.andOr;
    if (node.fixed) {
        item->Custom = *node.fixed;
        item->IsCust = 1;
    }
    item->url = node.url;
    item->text = node.text;
}

} // namespace

std::vector<CPoint*> placeGraph(Scheme& scheme, const ExchangeGraph& graph,
                                const Placement& placement) {
    BusyGuard busy(scheme);
    std::int64_t dx = 0, dy = 0;
    positionShift(graph, placement, dx, dy);
    std::vector<CPoint*> items;
    items.reserve(graph.nodes.size());
    std::int64_t listed = 0;
    for (const ExchangeNode& node : graph.nodes) {
        const std::int64_t x = positioned(node) ? *node.x + dx : placement.x;
        const std::int64_t y =
            positioned(node) ? *node.y + dy : placement.y + ListingStep * listed++;
        CPoint* item = scheme.createItem(node.name, world(x), world(y));
        fill(item, node);
        items.push_back(item);
    }
    for (const ExchangeEdge& edge : graph.edges) {
        CLink* link = scheme.createLink(items[edge.from], items[edge.to]);
        link->Value = edge.weight;
        if (edge.andOr)
            link->AndOr = *edge.andOr;
        link->Name = edge.name;
    }
    ++scheme.RedrawRequests;
    return items;
}

} // namespace lumeris
