#include "edit/navigation.h"
#include "program/world.h"

#include "view/transform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumeris {
namespace {

struct NavigationTest : ::testing::Test {
    World world;
    void SetUp() override {
        world.view.CanvasWidth = 800;
        world.view.CanvasHeight = 600;
        world.input.LastMouseX = 300;
        world.input.LastMouseY = 200;
    }
    // Eases until the scale stops changing; returns the number of ticks it took.
    int settle() {
        for (int tick = 1; tick <= 100; ++tick) {
            const float before = world.view.Scale;
            EaseZoom(world.scheme, world.view, world.input);
            if (world.view.Scale == before)
                return tick;
        }
        return -1;
    }
};

TEST_F(NavigationTest, WheelKeepsLevelWithinZeroToNineAndEveryTurnRequestsAFrame) {
    world.view.ZoomLevel = 9;
    FormMouseWheel(world.scheme, world.view, world.input, -120, false);
    EXPECT_EQ(world.view.ZoomLevel, 9);
    EXPECT_EQ(world.scheme.RedrawRequests, 1);
    FormMouseWheel(world.scheme, world.view, world.input, 120, false);
    EXPECT_EQ(world.view.ZoomLevel, 8);
    world.view.ZoomLevel = 0;
    FormMouseWheel(world.scheme, world.view, world.input, 120, false);
    EXPECT_EQ(world.view.ZoomLevel, 0);
    // No vertical movement (a sideways scroll) does nothing at all, with or without Ctrl.
    CPoint* hovered = world.scheme.createItem("a", 0, 0);
    world.scheme.Hovered.item = hovered;
    world.scheme.HoverKind = HoverItem;
    for (bool ctrl : {false, true})
        FormMouseWheel(world.scheme, world.view, world.input, 0, ctrl);
    EXPECT_EQ(world.view.ZoomLevel, 0);
    EXPECT_EQ(hovered->IsCust, 0);
    EXPECT_EQ(world.scheme.RedrawRequests, 3);
    world.scheme.Hovered.clear();
    world.scheme.HoverKind = HoverNothing;
    // The anchor is the unrounded world point under the pointer.
    world.view.Scale = 0.5f;
    world.view.ScreenX = 10;
    world.input.LastMouseX = 3;
    FormMouseWheel(world.scheme, world.view, world.input, 120, false);
    EXPECT_FLOAT_EQ(world.view.ZoomAnchorX, 16.0f);
}

TEST_F(NavigationTest, ZoomKeysKeepLevelWithinTwoToSeven) {
    world.view.ZoomLevel = 7;
    zoomKey(world.view, world.input, '+');
    EXPECT_EQ(world.view.ZoomLevel, 7);
    zoomKey(world.view, world.input, '-');
    EXPECT_EQ(world.view.ZoomLevel, 6);
    world.view.ZoomLevel = 2;
    zoomKey(world.view, world.input, '-');
    EXPECT_EQ(world.view.ZoomLevel, 2);
    zoomKey(world.view, world.input, '+');
    EXPECT_EQ(world.view.ZoomLevel, 3);
    // The wheel still reaches the outer levels.
    world.view.ZoomLevel = 7;
    FormMouseWheel(world.scheme, world.view, world.input, -120, false);
    FormMouseWheel(world.scheme, world.view, world.input, -120, false);
    EXPECT_EQ(world.view.ZoomLevel, 9);
}

TEST_F(NavigationTest, CtrlWheelChangesTheHoveredObjectInsteadOfZooming) {
    Scheme& scheme = world.scheme;
    CPoint* a = scheme.createItem("a", 0, 0);
    CPoint* b = scheme.createItem("b", 100, 0);
    CLink* link = scheme.createLink(a, b);
    link->Value = 0.9f;

    scheme.Hovered.link = link;
    scheme.HoverKind = HoverLink;
    FormMouseWheel(world.scheme, world.view, world.input, 120, true);
    EXPECT_FLOAT_EQ(link->Value, 1.0f); // 0.9 + 0.2, clamped
    EXPECT_TRUE(scheme.SchemeChanged);
    EXPECT_EQ(world.view.ZoomLevel, 7);

    scheme.Hovered = {a, nullptr};
    scheme.HoverKind = HoverItem;
    FormMouseWheel(world.scheme, world.view, world.input, -240, true);
    EXPECT_EQ(a->IsCust, 1);
    EXPECT_FLOAT_EQ(a->Custom, -0.4f);
    EXPECT_FLOAT_EQ(a->Value, -0.4f); // assigned through the item's own trace

    scheme.HoverKind = HoverItemName; // a label: nothing changes
    FormMouseWheel(world.scheme, world.view, world.input, 120, true);
    EXPECT_FLOAT_EQ(a->Custom, -0.4f);
    EXPECT_EQ(world.view.ZoomLevel, 7);
    EXPECT_EQ(scheme.BusyDepth, 0);

    scheme.Hovered.clear(); // nothing hovered: Ctrl+wheel zooms
    FormMouseWheel(world.scheme, world.view, world.input, 120, true);
    EXPECT_EQ(world.view.ZoomLevel, 6);
}

TEST_F(NavigationTest, EaseZoomSettlesWithTheWorldPointStayingUnderThePointer) {
    world.view.ScreenX = 1000;
    world.view.ScreenY = -500;
    const float anchorX = world.input.LastMouseX / world.view.Scale + world.view.ScreenX;
    const float anchorY = world.input.LastMouseY / world.view.Scale + world.view.ScreenY;
    FormMouseWheel(world.scheme, world.view, world.input, -120, false); // level 8: target 2
    const int ticks = settle();
    EXPECT_GT(ticks, 2);
    EXPECT_LT(ticks, 10);
    EXPECT_EQ(world.view.Scale, 2.0f);
    // Each tick re-anchors at the pointer and truncates ScreenX, so the point may drift by
    // less than one world unit per tick, never more.
    EXPECT_NEAR(ToWorldX(world.view, world.input.LastMouseX), anchorX, ticks);
    EXPECT_NEAR(ToWorldY(world.view, world.input.LastMouseY), anchorY, ticks);
    // Settled: a further tick changes nothing and owes no frame.
    world.scheme.RedrawRequests = 0;
    const ViewState before = world.view;
    EaseZoom(world.scheme, world.view, world.input);
    EXPECT_EQ(world.view.ScreenX, before.ScreenX);
    EXPECT_EQ(world.scheme.RedrawRequests, 0);
}

TEST_F(NavigationTest, EaseZoomHalvesTheGapOrJumpsForLargeSchemes) {
    world.view.ZoomLevel = 9; // target 4
    EaseZoom(world.scheme, world.view, world.input);
    EXPECT_EQ(world.view.Scale, 2.5f);
    EXPECT_EQ(world.scheme.RedrawRequests, 2);
    world.view.Scale = 1.0f;
    world.scheme.LastId = EaseZoomIdLimit + 1;
    EaseZoom(world.scheme, world.view, world.input);
    EXPECT_EQ(world.view.Scale, 4.0f);
    // A stored scale of 0.7 lies at level 6 and eases to 0.5.
    world.view.Scale = 0.7f;
    world.view.ZoomLevel = 6;
    world.scheme.LastId = 0;
    settle();
    EXPECT_EQ(world.view.Scale, 0.5f);
}

TEST_F(NavigationTest, ZoomingOutBelowLevelSixDrawsTheSelectedItemTowardThePointer) {
    CPoint* item = world.scheme.createItem("x", 2000, 1000);
    world.scheme.Selected.item = item;
    world.scheme.EditState = EditItemSelected;
    world.view.ZoomLevel = 3;
    settle();
    EXPECT_EQ(world.view.Scale, zoomTarget(3));
    // The item now stands under the pointer (to within a canvas pixel).
    EXPECT_NEAR(ToScreenX(world.view, float(item->X)), world.input.LastMouseX, 1);
    EXPECT_NEAR(ToScreenY(world.view, float(item->Y)), world.input.LastMouseY, 1);
}

TEST_F(NavigationTest, CentringPutsTheNewestItemInTheMiddle) {
    CenterScreen(world.scheme, world.view); // empty scheme: nothing happens
    EXPECT_EQ(world.view.ScreenX, 0);
    EXPECT_EQ(world.view.ScreenY, 0);
    world.scheme.createItem("old", 5, 5);
    world.scheme.createItem("new", 1000, -300);
    world.view.Scale = 0.5f;
    CenterScreen(world.scheme, world.view);
    EXPECT_EQ(world.view.ScreenX, 1000 - 800);
    EXPECT_EQ(world.view.ScreenY, -300 - 600);
    EXPECT_EQ(world.scheme.RedrawRequests, 0);
}

} // namespace
} // namespace lumeris
