#include "program/exchange_command.h"
#include "program/history.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

ExchangeGraph twoNodes() {
    ExchangeGraph graph;
    graph.nodes.resize(2);
    graph.nodes[0].name = "a";
    graph.nodes[0].x = 1000;
    graph.nodes[0].y = 1000;
    graph.nodes[1].name = "b";
    graph.nodes[1].x = 1050;
    graph.nodes[1].y = 900;
    graph.edges.resize(1);
    graph.edges[0].to = 1;
    return graph;
}

// Lands under the pointer as the chosen group, and one undo takes all of it back while the
// edit before it stays.
TEST(ExchangeCommand, ImportLandsAtThePointerAsOneUndoStep) {
    World world;
    world.scheme.journal().setRecording(true);
    CPoint* before = world.scheme.createItem("before", 0, 0);
    before->Mark = 2;
    world.view.ScreenX = 100;
    world.view.ScreenY = 200;
    world.input.LastMouseX = 10;
    world.input.LastMouseY = 20;

    importAtPointer(world, twoNodes());
    endEditStep(world);
    ASSERT_EQ(world.scheme.ItemCount, 3);
    const CPoint* b = world.scheme.ItemList;
    const CPoint* a = b->Next;
    EXPECT_EQ(std::tie(a->X, a->Y, a->Mark), std::make_tuple(110, 220, 2));
    EXPECT_EQ(std::tie(b->X, b->Y, b->Mark), std::make_tuple(160, 120, 2));
    EXPECT_EQ(before->Mark, 0);
    EXPECT_EQ(world.scheme.LinkCount, 1);

    undoEdit(world);
    EXPECT_EQ(world.scheme.ItemCount, 1);
    EXPECT_EQ(world.scheme.LinkCount, 0);
    undoEdit(world);
    EXPECT_EQ(world.scheme.ItemCount, 0);
}

} // namespace
} // namespace lumeris
