// Causes and effects: breadth first, nearest first, each item once at its shortest distance.
#include "loops/reach.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumeris {
namespace {

// 1 -> 2 -> 3 -> 1, 2 -> 4 -> 5, 6 -> 4, and 1 -> 3 as a shortcut.
std::string reached(Direction direction, int fromId) {
    Scheme scheme;
    std::vector<CPoint*> items;
    for (int id = 1; id <= 6; ++id)
        items.push_back(scheme.createItem("", 0, 0));
    for (auto [a, b] : {std::pair{1, 2}, {2, 3}, {3, 1}, {2, 4}, {4, 5}, {6, 4}, {1, 3}})
        scheme.createLink(items[a - 1], items[b - 1]);
    const LinkGraph graph = takeLinkGraph(scheme);
    std::string text;
    for (const Reached& r : reach(graph, fromId - 1, direction))
        text += std::to_string(graph.ids[r.vertex]) + ":" + std::to_string(r.distance) + " ";
    return text;
}

TEST(Reach, CausesAndEffects) {
    EXPECT_EQ(reached(Direction::Effects, 1), "2:1 3:1 4:2 1:2 5:3 ");
    EXPECT_EQ(reached(Direction::Causes, 1), "3:1 2:2 1:2 ");
    EXPECT_EQ(reached(Direction::Causes, 4), "2:1 6:1 1:2 3:3 ");
    EXPECT_EQ(reached(Direction::Effects, 5), "");
}

} // namespace
} // namespace lumeris
