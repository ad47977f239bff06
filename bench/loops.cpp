// The loops of a random 1,000-item scheme with 3,000 links, up to the default limit of 10,000,
// beside a floor: a plain depth-first enumeration (no blocking) stopped at the same count. And
// the causes and effects of one item in a sparse 100,000-item net (three random links out of
// every item), beside a plain breadth-first walk over a CSR copy of the same links.
#include "loops/circuits.h"
#include "loops/reach.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

using namespace lumeris;

namespace {

// CPU time of this thread, so that other processes on a busy machine do not count.
double cpuMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <class F> double medianMs(int runs, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        f();
        times.push_back(cpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void randomScheme(Scheme& s, int items, int links, std::mt19937& rng) {
    std::uniform_real_distribution<float> coefficient(-1.0f, 1.0f);
    std::vector<CPoint*> all;
    for (int i = 0; i < items; ++i)
        all.push_back(s.createItem("r", i, 0));
    for (int k = 0; k < links; ++k)
        s.createLink(all[rng() % all.size()], all[rng() % all.size()])->Value = coefficient(rng);
}

// Circuits from each start over later vertices only, as the textbook's first attempt.
struct PlainSearch {
    const LinkGraph& graph;
    std::size_t limit;
    std::size_t found = 0;
    std::vector<int> path;
    std::vector<char> onPath;

    void from(int start, int v) {
        for (const LinkArc& a : graph.out[v]) {
            if (found > limit)
                return;
            if (a.to == start)
                ++found;
            else if (a.to > start && !onPath[a.to]) {
                onPath[a.to] = 1, path.push_back(a.to);
                from(start, a.to);
                onPath[a.to] = 0, path.pop_back();
            }
        }
    }
    std::size_t run() {
        onPath.assign(graph.size(), 0);
        for (int s = 0; s < graph.size() && found <= limit; ++s)
            onPath[s] = 1, from(s, s), onPath[s] = 0;
        return found;
    }
};

void loopsOfRandomScheme() {
    std::mt19937 rng(5);
    Scheme s;
    randomScheme(s, 1000, 3000, rng);
    const LinkGraph graph = takeLinkGraph(s);
    LoopList list;
    const double loopsMs = medianMs(5, [&] { list = findLoops(graph, {}); });
    std::size_t plain = 0;
    const double floorMs = medianMs(5, [&] { plain = PlainSearch{graph, 10000, 0, {}, {}}.run(); });
    std::printf("loops, random 1000 items x 3000 links: %zu loops%s in %8.2f ms | plain DFS "
                "floor (%zu) %8.2f ms | ratio %5.2f\n",
                list.loops.size(), list.incomplete ? " (limit)" : "", loopsMs, plain, floorMs,
                loopsMs / floorMs);
}

std::size_t plainBreadthFirst(const std::vector<int>& start, const std::vector<int>& target,
                              int from) {
    std::vector<char> seen(start.size() - 1);
    std::vector<int> queue{from};
    seen[from] = 1;
    for (std::size_t i = 0; i < queue.size(); ++i)
        for (int e = start[queue[i]]; e < start[queue[i] + 1]; ++e)
            if (!seen[target[e]])
                seen[target[e]] = 1, queue.push_back(target[e]);
    return queue.size() - 1;
}

void reachInSparseNet() {
    std::mt19937 rng(7);
    Scheme s;
    randomScheme(s, 100000, 300000, rng);
    LinkGraph graph;
    const double snapshotMs = medianMs(5, [&] { graph = takeLinkGraph(s); });
    std::size_t causes = 0, effects = 0;
    const double reachMs = medianMs(5, [&] {
        causes = reach(graph, 0, Direction::Causes).size();
        effects = reach(graph, 0, Direction::Effects).size();
    });
    std::vector<int> outStart{0}, outTarget, inStart{0}, inSource;
    for (int v = 0; v < graph.size(); ++v) {
        for (const LinkArc& a : graph.out[v])
            outTarget.push_back(a.to);
        outStart.push_back(int(outTarget.size()));
        inSource.insert(inSource.end(), graph.in[v].begin(), graph.in[v].end());
        inStart.push_back(int(inSource.size()));
    }
    const double floorMs = medianMs(5, [&] {
        plainBreadthFirst(inStart, inSource, 0);
        plainBreadthFirst(outStart, outTarget, 0);
    });
    std::printf("causes %zu and effects %zu of one item in 100000 x 3: %6.2f ms (snapshot %6.2f "
                "ms) | CSR BFS floor, both ways %6.2f ms | ratio %5.2f\n",
                causes, effects, reachMs, snapshotMs, floorMs, reachMs / floorMs);
}

} // namespace

int main() {
    loopsOfRandomScheme();
    reachInSparseNet();
}
