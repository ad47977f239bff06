#include "loops/reach.h"

#include <algorithm>

namespace lumeris {

std::vector<Reached> reach(const LinkGraph& graph, int from, Direction direction) {
    std::vector<int> distance(graph.size(), -1);
    std::vector<Reached> reached;
    int backHome = 0; // the shortest loop back to `from`
    std::vector<int> frontier{from};
    distance[from] = 0;
    auto visit = [&](int w, int d, std::vector<int>& next) {
        if (w == from && !backHome)
            backHome = d;
        if (distance[w] >= 0)
            return;
        distance[w] = d;
        reached.push_back({w, d});
        next.push_back(w);
    };
    for (int d = 1; !frontier.empty(); ++d) {
        std::vector<int> next;
        for (const int v : frontier) {
            if (direction == Direction::Effects)
                for (const LinkArc& a : graph.out[v])
                    visit(a.to, d, next);
            else
                for (const int source : graph.in[v])
                    visit(source, d, next);
        }
        frontier.swap(next);
    }
    if (backHome) {
        const auto later = std::find_if(reached.begin(), reached.end(),
                                        [&](const Reached& r) { return r.distance > backHome; });
        reached.insert(later, {from, backHome});
    }
    return reached;
}

} // namespace lumeris
