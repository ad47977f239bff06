#include "loops/components.h"

#include <boost/graph/adjacency_list.hpp>
#include <boost/graph/strong_components.hpp>

namespace lumeris {

std::vector<int> strongComponents(const LinkGraph& graph) {
    boost::adjacency_list<boost::vecS, boost::vecS, boost::directedS> g(graph.size());
    for (int v = 0; v < graph.size(); ++v)
        for (const LinkArc& a : graph.out[v])
            boost::add_edge(v, a.to, g);
    std::vector<int> component(graph.size());
    boost::strong_components(g, component.data());
    return component;
}

} // namespace lumeris
