// The loops of small schemes given as tables, and of random schemes against a plain
// depth-first enumeration written here.
#include "loops/circuits.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace lumeris {
namespace {

struct LinkRow {
    int from, to;
    float coefficient;
};

// Items with ids 1..n (made in that order), then the links in the order given.
void build(Scheme& scheme, int n, const std::vector<LinkRow>& links) {
    std::vector<CPoint*> items;
    for (int id = 1; id <= n; ++id)
        items.push_back(scheme.createItem("i" + std::to_string(id), id, 0));
    for (const LinkRow& l : links)
        scheme.createLink(items[l.from - 1], items[l.to - 1])->Value = l.coefficient;
}

// "R 1 2 3": the polarity and the ids.
std::vector<std::string> described(const LinkGraph& graph, const LoopList& list) {
    std::vector<std::string> lines;
    for (const Loop& loop : list.loops) {
        std::string line(1, char(loop.polarity));
        for (const int v : loop.members)
            line += " " + std::to_string(graph.ids[v]);
        lines.push_back(line);
    }
    return lines;
}

// Every ordered pair of four items, both ways: 6 loops of 2, 8 of 3 and 6 of 4.
std::vector<LinkRow> complete4() {
    std::vector<LinkRow> links;
    for (int a = 1; a <= 4; ++a)
        for (int b = 1; b <= 4; ++b)
            if (a != b)
                links.push_back({a, b, 1});
    return links;
}

struct Case {
    const char* name;
    int items;
    std::vector<LinkRow> links;
    LoopLimits limits;
    int through; // an id, or 0
    std::vector<std::string> expected;
    bool incomplete;
};

const std::vector<Case> Cases = {
    {"self-link", 2, {{1, 1, 0.5f}, {1, 2, 1}}, {}, 0, {"R 1"}, false},
    {"parallel links count once and add",
     2,
     {{1, 2, 1}, {1, 2, -0.5f}, {2, 1, 1}},
     {},
     0,
     {"R 1 2"},
     false},
    {"parallel links that cancel",
     2,
     {{1, 2, 0.5f}, {1, 2, -0.5f}, {2, 1, 1}},
     {},
     0,
     {"0 1 2"},
     false},
    {"figure eight",
     3,
     {{1, 2, 1}, {2, 1, 1}, {1, 3, 1}, {3, 1, -1}},
     {},
     0,
     {"R 1 2", "B 1 3"},
     false},
    {"one negative balances", 3, {{3, 1, 1}, {1, 2, -2}, {2, 3, 0.5f}}, {}, 0, {"B 1 2 3"}, false},
    {"two negatives reinforce", 3, {{1, 2, -1}, {2, 3, -1}, {3, 1, 1}}, {}, 0, {"R 1 2 3"}, false},
    {"a zero coefficient", 3, {{1, 2, 1}, {2, 3, 0}, {3, 1, -1}}, {}, 0, {"0 1 2 3"}, false},
    {"link direction from the smallest id",
     3,
     {{1, 3, 1}, {3, 2, 1}, {2, 1, 1}},
     {},
     0,
     {"R 1 3 2"},
     false},
    {"no loop in a chain", 3, {{1, 2, 1}, {2, 3, 1}}, {}, 0, {}, false},
    {"sorted by length then ids",
     4,
     {{4, 3, 1}, {3, 4, 1}, {1, 2, 1}, {2, 3, 1}, {3, 1, 1}, {2, 1, 1}},
     {},
     0,
     {"R 1 2", "R 3 4", "R 1 2 3"},
     false},
    {"maximum length",
     4,
     complete4(),
     {10000, 2},
     0,
     {"R 1 2", "R 1 3", "R 1 4", "R 2 3", "R 2 4", "R 3 4"},
     false},
    {"through one item",
     3,
     {{1, 2, 1}, {2, 1, 1}, {2, 3, 1}, {3, 2, 1}, {3, 3, 1}},
     {},
     3,
     {"R 3", "R 2 3"},
     false},
    {"through an item on no loop", 3, {{1, 2, 1}, {2, 1, 1}, {2, 3, 1}}, {}, 3, {}, false},
};

TEST(Loops, Table) {
    for (const Case& c : Cases) {
        Scheme scheme;
        build(scheme, c.items, c.links);
        const LinkGraph graph = takeLinkGraph(scheme);
        const int through = c.through ? c.through - 1 : -1;
        const LoopList list = findLoops(graph, c.limits, through);
        EXPECT_EQ(list.incomplete, c.incomplete) << c.name;
        EXPECT_EQ(described(graph, list), c.expected) << c.name;
    }
}

TEST(Loops, TheLimitKeepsWhatItMet) {
    Scheme scheme;
    build(scheme, 4, complete4());
    const LinkGraph graph = takeLinkGraph(scheme);
    for (const std::size_t limit : {20, 19, 0}) {
        const LoopList list = findLoops(graph, {limit, 0});
        EXPECT_EQ(list.loops.size(), limit);
        EXPECT_EQ(list.incomplete, limit < 20) << limit;
    }
    // Loops too long to list still count toward the limit.
    const LoopList shortOnes = findLoops(graph, {10, 2});
    EXPECT_TRUE(shortOnes.incomplete);
    EXPECT_LT(shortOnes.loops.size(), 6u);
    for (const Loop& loop : shortOnes.loops)
        EXPECT_EQ(loop.members.size(), 2u);
}

TEST(Loops, AStopFlagEndsTheSearch) {
    Scheme scheme;
    build(scheme, 4, complete4());
    const std::atomic<bool> stop = true;
    const LoopList list = findLoops(takeLinkGraph(scheme), {}, -1, &stop);
    EXPECT_TRUE(list.incomplete);
    EXPECT_TRUE(list.stopped);
}

// The reference: from each start, a depth-first search over the later vertices only, so that
// every elementary circuit is found once, from its first vertex.
using Circuit = std::vector<int>;
void depthFirst(const std::vector<std::set<int>>& next, int start, Circuit& path,
                std::vector<bool>& onPath, std::set<Circuit>& found) {
    for (const int w : next[path.back()]) {
        if (w == start)
            found.insert(path);
        else if (w > start && !onPath[w]) {
            path.push_back(w), onPath[w] = true;
            depthFirst(next, start, path, onPath, found);
            path.pop_back(), onPath[w] = false;
        }
    }
}

TEST(Loops, RandomSchemesMatchAPlainSearch) {
    std::mt19937 rng(11);
    const float coefficients[] = {-1, -0.5f, 0, 0.5f, 1};
    for (int round = 0; round < 200; ++round) {
        const int n = 1 + int(rng() % 7);
        const int m = int(rng() % (3 * n + 1));
        std::vector<LinkRow> links;
        std::map<std::pair<int, int>, double> sum;
        std::vector<std::set<int>> next(n);
        for (int k = 0; k < m; ++k) {
            const LinkRow l{1 + int(rng() % n), 1 + int(rng() % n), coefficients[rng() % 5]};
            links.push_back(l);
            sum[{l.from - 1, l.to - 1}] += l.coefficient;
            next[l.from - 1].insert(l.to - 1);
        }
        std::set<Circuit> expected;
        for (int s = 0; s < n; ++s) {
            Circuit path{s};
            std::vector<bool> onPath(n);
            onPath[s] = true;
            depthFirst(next, s, path, onPath, expected);
        }
        std::map<Circuit, char> expectedPolarity;
        for (const Circuit& c : expected) {
            double product = 1;
            for (std::size_t i = 0; i < c.size(); ++i)
                product *= sum[{c[i], c[(i + 1) % c.size()]}];
            expectedPolarity[c] = product > 0 ? 'R' : product < 0 ? 'B' : '0';
        }

        Scheme scheme;
        build(scheme, n, links);
        const LinkGraph graph = takeLinkGraph(scheme); // vertex v is the item with id v + 1
        std::map<Circuit, char> actual;
        for (const Loop& loop : findLoops(graph, {}).loops)
            actual[loop.members] = char(loop.polarity);
        ASSERT_EQ(actual, expectedPolarity) << "round " << round;

        const int through = int(rng() % n);
        std::size_t throughCount = 0;
        for (const Loop& loop : findLoops(graph, {}, through).loops) {
            EXPECT_TRUE(expectedPolarity.contains(loop.members)) << "round " << round;
            EXPECT_NE(std::find(loop.members.begin(), loop.members.end(), through),
                      loop.members.end());
            ++throughCount;
        }
        EXPECT_EQ(throughCount, std::size_t(std::count_if(expected.begin(), expected.end(),
                                                          [&](const Circuit& c) {
                                                              return std::find(c.begin(), c.end(),
                                                                               through) != c.end();
                                                          })))
            << "round " << round;
    }
}

} // namespace
} // namespace lumeris
