#include "app/timer_tick.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumeris {
namespace {

struct TickTest : ::testing::Test {
    World world;
    std::vector<std::string> calls;
    bool textWindow = false;
    TickHooks hooks;

    void SetUp() override {
        hooks.RefreshPropertiesPanel = [this] { calls.push_back("panel"); };
        hooks.textWindowVisible = [this] { return textWindow; };
        hooks.Repaint = [this](bool itemsOnly) {
            calls.push_back(itemsOnly ? "items" : "repaint");
            world.scheme.RedrawRequests = 0;
        };
    }
    // A running scheme whose source item holds a fixed value, so that a step is due.
    CPoint* dueScheme() {
        CPoint* a = world.scheme.createItem("a", 0, 0);
        CPoint* b = world.scheme.createItem("b", 64, 0);
        world.scheme.createLink(a, b);
        a->IsCust = 1;
        a->Custom = 1;
        world.scheme.SchemeChanged = true;
        return b;
    }
};

TEST_F(TickTest, PausesTwentyNineTicksAfterTheCountIsReset) {
    CPoint* target = dueScheme();
    world.eval.TickCount = 0;
    for (int i = 0; i < 29; ++i)
        Timer1Timer(world, hooks);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(target->Value, 0.0f);
    EXPECT_TRUE(world.eval.BlinkPhase);
    Timer1Timer(world, hooks); // the 30th
    EXPECT_EQ(calls, (std::vector<std::string>{"panel", "repaint"}));
    EXPECT_NE(target->Value, 0.0f);
}

TEST_F(TickTest, StepsOnlyWhileRunningAndBlinksEveryTenthTick) {
    CPoint* target = dueScheme();
    world.eval.Running = false;
    world.eval.TickCount = 100;
    Timer1Timer(world, hooks); // 101: no step, no blink
    EXPECT_EQ(target->Value, 0.0f);
    EXPECT_TRUE(world.eval.BlinkPhase);
    world.eval.TickCount = 109;
    Timer1Timer(world, hooks); // 110: blink off
    EXPECT_FALSE(world.eval.BlinkPhase);
    world.eval.TickCount = 119;
    Timer1Timer(world, hooks);
    EXPECT_TRUE(world.eval.BlinkPhase);
    world.scheme.MouseButtonState = 0; // the left button held keeps it lit
    world.eval.TickCount = 129;
    Timer1Timer(world, hooks);
    EXPECT_TRUE(world.eval.BlinkPhase);
    world.scheme.MouseButtonState = MouseButtonNone;
    world.eval.Running = true;
    Timer1Timer(world, hooks);
    EXPECT_NE(target->Value, 0.0f);
}

TEST_F(TickTest, EasesZoomAndSkipsTheRepaintWhileBusy) {
    world.view.ZoomLevel = 8;
    world.eval.TickCount = 100;
    Timer1Timer(world, hooks);
    EXPECT_EQ(world.view.Scale, 1.5f);
    calls.clear();
    {
        BusyGuard busy(world.scheme);
        Timer1Timer(world, hooks);
    }
    EXPECT_EQ(calls, std::vector<std::string>{"panel"});
}

TEST_F(TickTest, HoverDwellRequestsTheTooltipFrames) {
    CPoint* item = world.scheme.createItem("a", 0, 0);
    item->text = "note";
    world.scheme.Hovered.item = item;
    world.scheme.HoverKind = HoverItem;
    hooks.Repaint = nullptr;
    world.input.HoverDwell = 10;
    Timer1Timer(world, hooks);
    EXPECT_EQ(world.input.HoverDwell, 11);
    EXPECT_EQ(world.scheme.RedrawRequests, 1);
    world.input.HoverDwell = 29; // past the window: no more frames
    world.scheme.RedrawRequests = 0;
    Timer1Timer(world, hooks);
    EXPECT_EQ(world.scheme.RedrawRequests, 0);
    world.input.HoverDwell = 12; // the text window already shows the text
    textWindow = true;
    Timer1Timer(world, hooks);
    EXPECT_EQ(world.input.HoverDwell, 13);
    EXPECT_EQ(world.scheme.RedrawRequests, 0);
    world.input.HoverDwell = -1; // switched off by the canvas
    Timer1Timer(world, hooks);
    EXPECT_EQ(world.input.HoverDwell, -1);
}

TEST_F(TickTest, AdvancesAViewSwitchOneFrameATick) {
    CPoint* item = world.scheme.createItem("item", 0, 0);
    CPoint* view = world.scheme.createItem("view", 0, 0);
    world.scheme.changeType(view, TypeProjection);
    world.scheme.findOrAddViewEntry(view, item)->DX = 700;
    world.scheme.switchViewpoint(view);
    world.eval.TickCount = 100;
    int ticks = 0;
    while (world.scheme.ViewSwitchFrame != 0 && ticks < 20) {
        Timer1Timer(world, hooks);
        ++ticks;
    }
    EXPECT_EQ(ticks, 7);
}

} // namespace
} // namespace lumeris
