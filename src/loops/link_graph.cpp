#include "loops/link_graph.h"

#include <algorithm>
#include <unordered_map>

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
    std::unordered_map<const CPoint*, int> vertex;
    vertex.reserve(std::size_t(scheme.ItemCount));
    for (const CPoint* item = scheme.ItemTail; item; item = item->Prev) {
        vertex.emplace(item, graph.size());
        graph.items.push_back(item);
        graph.ids.push_back(item->id);
        graph.names.push_back(item->Name);
    }
    graph.out.resize(graph.items.size());
    graph.in.resize(graph.items.size());
    // Oldest link first, so that parallel links keep their order in an arc.
    for (const CLink* link = scheme.LinkTail; link; link = link->Prev)
        graph.out[vertex.at(link->From)].push_back(
            {vertex.at(link->To), double(link->Value), {link}});
    for (int v = 0; v < graph.size(); ++v) {
        std::vector<LinkArc>& arcs = graph.out[v];
        std::stable_sort(arcs.begin(), arcs.end(),
                         [](const LinkArc& a, const LinkArc& b) { return a.to < b.to; });
        // Parallel links make one arc with the sum of their coefficients.
        std::vector<LinkArc> merged;
        for (LinkArc& a : arcs) {
            if (!merged.empty() && merged.back().to == a.to) {
                merged.back().coefficient += a.coefficient;
                merged.back().links.push_back(a.links.front());
            } else {
                merged.push_back(std::move(a));
            }
        }
        arcs = std::move(merged);
        for (const LinkArc& a : arcs)
            graph.in[a.to].push_back(v);
    }
    return graph;
}

} // namespace lumeris
