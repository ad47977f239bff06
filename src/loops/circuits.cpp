#include "loops/circuits.h"

#include "loops/components.h"

#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/filtered_graph.hpp>
#include <boost/graph/hawick_circuits.hpp>

#include <algorithm>
#include <tuple>

namespace lumeris {

namespace {

using SearchGraph = boost::adjacency_list<boost::vecS, boost::vecS, boost::directedS>;

// Thrown through the search to end it: the limit, the stop flag, or (for the loops through one
// vertex) the first loop that does not pass through it.
struct SearchEnds {
    bool complete;
};

// Checked wherever the search looks at a vertex's links, so that a stop is seen even while it
// meets no loop for a long time.
struct StopCheck {
    const std::atomic<bool>* stop = nullptr;
    template <class Edge> bool operator()(const Edge&) const {
        if (stop && stop->load(std::memory_order_relaxed))
            throw SearchEnds{false};
        return true;
    }
};

// The part of the graph that holds loops, as the search sees it: `vertices` maps its vertices
// back to the graph's.
struct SearchPart {
    std::vector<int> vertices;
    SearchGraph graph;
};

// The vertices of the components that hold a loop, or only of the component of `through`,
// which comes first so that the search meets all its loops before any other.
std::vector<int> searchVertices(const LinkGraph& graph, const std::vector<int>& component,
                                int through) {
    auto holdsLoops = [&](int v) {
        if (through >= 0)
            return component[v] == component[through];
        return std::any_of(graph.out[v].begin(), graph.out[v].end(),
                           [&](const LinkArc& a) { return component[a.to] == component[v]; });
    };
    std::vector<int> vertices;
    if (through >= 0)
        vertices.push_back(through);
    for (int v = 0; v < graph.size(); ++v)
        if (v != through && holdsLoops(v))
            vertices.push_back(v);
    return vertices;
}

// Only the links inside a component can be on a loop.
void addSearchLinks(const LinkGraph& graph, const std::vector<int>& component, SearchPart& part) {
    std::vector<int> local(graph.size(), -1);
    for (std::size_t i = 0; i < part.vertices.size(); ++i)
        local[part.vertices[i]] = int(i);
    for (const int v : part.vertices)
        for (const LinkArc& a : graph.out[v])
            if (local[a.to] >= 0 && component[a.to] == component[v])
                boost::add_edge(local[v], local[a.to], part.graph);
}

struct LoopCollector {
    const LinkGraph* graph;
    const SearchPart* part;
    const LoopLimits* limits;
    bool throughFirst; // only the loops through the search's first vertex
    std::size_t* met;
    std::vector<Loop>* loops;

    template <class Path, class Graph> void cycle(const Path& path, const Graph&) {
        if (throughFirst && path.front() != 0)
            throw SearchEnds{true};
        if (*met == limits->limit)
            throw SearchEnds{false};
        ++*met;
        if (limits->maxLength && path.size() > limits->maxLength)
            return;
        std::vector<int> members;
        members.reserve(path.size());
        for (const auto v : path)
            members.push_back(part->vertices[v]);
        const auto first = std::min_element(members.begin(), members.end(), [&](int a, int b) {
            return std::tie(graph->ids[a], a) < std::tie(graph->ids[b], b);
        });
        std::rotate(members.begin(), first, members.end());
        const Polarity polarity = loopPolarity(*graph, members);
        loops->push_back({std::move(members), polarity});
    }
};

// By length, then by the members' ids (the vertex breaks a tie between equal ids).
void sortLoops(const LinkGraph& graph, std::vector<Loop>& loops) {
    using Key = std::vector<std::pair<std::int32_t, int>>;
    std::vector<std::pair<Key, std::size_t>> keys(loops.size());
    for (std::size_t i = 0; i < loops.size(); ++i) {
        keys[i].second = i;
        for (const int v : loops[i].members)
            keys[i].first.emplace_back(graph.ids[v], v);
    }
    std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
        if (a.first.size() != b.first.size())
            return a.first.size() < b.first.size();
        return a.first < b.first;
    });
    std::vector<Loop> sorted;
    sorted.reserve(loops.size());
    for (const auto& key : keys)
        sorted.push_back(std::move(loops[key.second]));
    loops = std::move(sorted);
}

} // namespace

Polarity loopPolarity(const LinkGraph& graph, const std::vector<int>& members) {
    // Signs only: a product of many small coefficients would underflow to zero.
    bool negative = false;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const LinkArc* a = graph.arc(members[i], members[(i + 1) % members.size()]);
        if (!a || a->coefficient == 0)
            return Polarity::Zero;
        negative ^= a->coefficient < 0;
    }
    return negative ? Polarity::Balancing : Polarity::Reinforcing;
}

LoopList findLoops(const LinkGraph& graph, const LoopLimits& limits, int through,
                   const std::atomic<bool>* stop) {
    const std::vector<int> component = strongComponents(graph);
    std::vector<int> vertices = searchVertices(graph, component, through);
    const std::size_t count = vertices.size();
    SearchPart part{std::move(vertices), SearchGraph(count)};
    addSearchLinks(graph, component, part);
    LoopList list;
    std::size_t met = 0;
    try {
        const boost::filtered_graph<SearchGraph, StopCheck> checked(part.graph, StopCheck{stop});
        boost::hawick_unique_circuits(
            checked, LoopCollector{&graph, &part, &limits, through >= 0, &met, &list.loops});
    } catch (const SearchEnds& end) {
        list.incomplete = !end.complete;
        list.stopped = !end.complete && stop && stop->load();
    }
    sortLoops(graph, list.loops);
    return list;
}

} // namespace lumeris
