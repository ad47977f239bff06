#include "loops/link_graph.h"

#include <algorithm>

namespace lumeris {

int LinkGraph::vertexOf(const CPoint* item) const {
    const auto found = std::find(items.begin(), items.end(), item);
    return found == items.end() ? -1 : int(found - items.begin());
}

const LinkArc* LinkGraph::arc(int from, int to) const {
    const std::vector<LinkArc>& arcs = out[from];
    const auto found = std::lower_bound(arcs.begin(), arcs.end(), to,
                                        [](const LinkArc& a, int target) { return a.to < target; });
    return found != arcs.end() && found->to == to ? &*found : nullptr;
}

LinkGraph takeLinkGraph(const Scheme& scheme) {
    LinkGraph graph;
    graph.stamp = scheme.changeStamp();
    for (const CPoint* item = scheme.ItemTail; item; item = item->Prev) {
        graph.items.push_back(item);
        graph.ids.push_back(item->id);
        graph.names.push_back(item->Name);
    }
    // Vertices by address: a flat sorted table looks them up faster than a node-based map.
    std::vector<std::pair<const CPoint*, int>> byAddress;
    byAddress.reserve(graph.items.size());
    for (int v = 0; v < graph.size(); ++v)
        byAddress.emplace_back(graph.items[v], v);
    std::sort(byAddress.begin(), byAddress.end());
    auto vertexOfTarget = [&](const CPoint* item) {
        return std::lower_bound(byAddress.begin(), byAddress.end(), std::pair(item, 0))->second;
    };
    graph.out.resize(graph.items.size());
    graph.in.resize(graph.items.size());
    graph.links.reserve(std::size_t(scheme.LinkCount));
    std::vector<std::pair<int, const CLink*>> targets;
    for (int v = 0; v < graph.size(); ++v) {
        targets.clear();
        for (const CLink* link = graph.items[v]->OutLinks; link; link = link->NextOut)
            targets.emplace_back(vertexOfTarget(link->To), link);
        // The chain runs newest first; parallel links keep their age order in an arc.
        std::reverse(targets.begin(), targets.end());
        std::stable_sort(targets.begin(), targets.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<LinkArc>& arcs = graph.out[v];
        for (const auto& [to, link] : targets) {
            if (arcs.empty() || arcs.back().to != to) {
                arcs.push_back({to, 0.0, int(graph.links.size()), 0});
                graph.in[to].push_back(v);
            }
            arcs.back().coefficient += double(link->Value);
            ++arcs.back().linkCount;
            graph.links.push_back(link);
        }
    }
    return graph;
}

} // namespace lumeris
