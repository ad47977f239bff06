#include "exchange/place.h"
#include "graph_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace lumeris {
namespace {

using test::itemLines;
using Lines = std::vector<std::string>;

ExchangeNode named(const char* name) {
    ExchangeNode node;
    node.name = name;
    return node;
}

ExchangeNode at(const char* name, std::int32_t x, std::int32_t y) {
    ExchangeNode node = named(name);
    node.x = x;
    node.y = y;
    return node;
}

ExchangeGraph mixed() {
    ExchangeGraph graph;
    graph.nodes = {named("a"), at("b", 500, 600), named("c"), at("d", 400, 700)};
    graph.edges.resize(1);
    graph.edges[0].from = 3;
    graph.edges[0].weight = -0.5f;
    return graph;
}

TEST(Place, PositionsKeptOrLandingAtThePoint) {
    Scheme kept;
    placeGraph(kept, mixed(), Placement{10, 20, true});
    EXPECT_EQ(itemLines(kept), (Lines{"a 10,20", "b 500,600", "c 10,52", "d 400,700"}));

    // The first positioned node lands at the point, the others keep their distances to it.
    Scheme landed;
    placeGraph(landed, mixed(), Placement{10, 20, false});
    EXPECT_EQ(itemLines(landed), (Lines{"a 10,20", "b 10,20", "c 10,52", "d -90,120"}));
}

TEST(Place, FreshIdsInTheGraphsOrderAndTheLinksMade) {
    Scheme scheme;
    scheme.createItem("old", 0, 0);
    scheme.LastId = 41;
    const std::vector<CPoint*> items = placeGraph(scheme, mixed(), Placement{});
    ASSERT_EQ(items.size(), 4u);
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i]->id, 42 + static_cast<int>(i));
    ASSERT_EQ(scheme.LinkCount, 1);
    EXPECT_EQ(scheme.LinkList->From, items[3]);
    EXPECT_EQ(scheme.LinkList->To, items[0]);
    EXPECT_EQ(scheme.LinkList->Value, -0.5f);
}

TEST(Place, FarPointsStopAtTheEdgeOfTheWorld) {
    ExchangeGraph graph;
    graph.nodes = {at("a", -1000000000, 0), at("b", 1000000000, 0), named("c"), named("d")};
    Scheme scheme;
    const auto max = std::numeric_limits<std::int32_t>::max();
    placeGraph(scheme, graph, Placement{max - 20, max - 20, false});
    EXPECT_EQ(itemLines(scheme),
              (Lines{"a " + std::to_string(max - 20) + "," + std::to_string(max - 20),
                     "b " + std::to_string(max) + "," + std::to_string(max - 20),
                     "c " + std::to_string(max - 20) + "," + std::to_string(max - 20),
                     "d " + std::to_string(max - 20) + "," + std::to_string(max)}));
}

} // namespace
} // namespace lumeris
