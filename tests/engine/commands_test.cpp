// The run-control commands and the core of the timer tick.
#include "engine/commands.h"
#include "program/tick.h"

#include <gtest/gtest.h>

using namespace lumeris;

namespace {

struct Fixed {
    Scheme s;
    Evaluation e;
    CPoint* a = s.createItem("A", 0, 0);
    CPoint* b = s.createItem("B", 0, 0);
    CLink* ab = s.createLink(a, b);
    Fixed() {
        a->IsCust = 1;
        a->Custom = 0.5f;
        ab->Value = 0.5f;
        s.SchemeChanged = false;
    }
};

TEST(Commands, StepOnAnUnchangedSchemeStepsOnTheSecondPress) {
    Fixed f;
    int repaints = 0;
    StepHooks hooks;
    hooks.repaintItems = [&] { ++repaints; };
    stepCommand(f.s, f.e, hooks);
    EXPECT_EQ(f.a->Value, 0.0f);
    EXPECT_EQ(repaints, 0);
    EXPECT_TRUE(f.s.SchemeChanged);
    EXPECT_EQ(f.s.RedrawRequests, 1);
    f.e.Running = false; // Step forces
    stepCommand(f.s, f.e, hooks);
    EXPECT_EQ(f.a->Value, 0.5f);
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(f.s.SchemeChanged);
}

TEST(Commands, TeachWaitsForTheNextStepThatRuns) {
    Fixed f;
    f.s.SchemeChanged = true;
    propagationStep(f.s, f.e, false, true);
    propagationStep(f.s, f.e, false, true); // B holds traces of A and itself
    f.ab->Value = 0.5f;
    f.s.SchemeChanged = true;
    f.s.MouseButtonState = 0; // a held button keeps the step out
    teachCommand(f.s, f.e, {});
    EXPECT_EQ(f.ab->Value, 0.5f);
    EXPECT_TRUE(f.e.TeachPending);
    EXPECT_TRUE(f.s.SchemeChanged);
    f.s.MouseButtonState = MouseButtonNone;
    stepCommand(f.s, f.e, {});
    EXPECT_FALSE(f.e.TeachPending);
    // B = 0.25 = r; k = 1: the coefficient becomes r / A's value.
    EXPECT_EQ(f.ab->Value, 0.25f / 0.5f);
}

TEST(Commands, ResetValuesStopsAndClearsValuesOnly) {
    Fixed f;
    f.s.SchemeChanged = true;
    propagationStep(f.s, f.e, false, true);
    propagationStep(f.s, f.e, false, true);
    CPoint* boolean = f.s.createItem("bool", 0, 0);
    boolean->Type = TypeBoolean;
    f.s.SchemeChanged = true;
    propagationStep(f.s, f.e, false, true);
    ASSERT_EQ(boolean->Value, -1.0f);
    f.s.SchemeChanged = false;
    resetValues(f.s, f.e);
    EXPECT_FALSE(f.e.Running);
    EXPECT_FALSE(f.s.SchemeChanged);
    for (CPoint* p = f.s.ItemList; p; p = p->Next) {
        EXPECT_EQ(p->Value, 0.0f);
        for (CVolume& v : p->Traces)
            EXPECT_EQ(v.Value, 0.0f);
    }
    EXPECT_NE(f.s.findTrace(f.b, f.a), nullptr);
    EXPECT_EQ(f.a->Custom, 0.5f);
    EXPECT_EQ(f.ab->Value, 0.5f);
    // The boolean item shows 0 until a step normalises it again.
    EXPECT_EQ(boolean->Value, 0.0f);
    f.s.SchemeChanged = true;
    propagationStep(f.s, f.e, false, true);
    EXPECT_EQ(boolean->Value, -1.0f);
}

TEST(Commands, ZeroTheHoveredObjectElseTheSelectedOne) {
    Fixed f;
    f.a->Value = 0.5f;
    zeroPointed(f.s); // over empty canvas with nothing selected: still due and repainted
    EXPECT_EQ(f.a->IsCust, 1);
    EXPECT_TRUE(f.s.SchemeChanged);
    EXPECT_EQ(f.s.RedrawRequests, 1);

    f.s.Hovered.item = f.a;
    f.s.HoverKind = HoverItemName;
    f.s.Selected.link = f.ab; // the hovered object goes first
    zeroPointed(f.s);
    EXPECT_EQ(f.a->IsCust, 0);
    EXPECT_EQ(f.a->Custom, 0.0f);
    EXPECT_EQ(f.a->Value, 0.0f);
    EXPECT_EQ(f.ab->Value, 0.5f);

    f.s.Hovered.clear();
    f.s.HoverKind = HoverNothing;
    f.s.EditState = EditIdle; // the right press on empty canvas that opened the menu
    zeroPointed(f.s);
    EXPECT_EQ(f.ab->Value, 0.0f);

    f.s.setCoefficient(f.ab, 0.5f);
    f.s.Hovered.link = f.ab;
    f.s.HoverKind = HoverLink;
    f.s.Selected = {f.a, nullptr};
    f.a->Value = 0.5f;
    zeroPointed(f.s);
    EXPECT_EQ(f.ab->Value, 0.0f);
    EXPECT_EQ(f.a->Value, 0.5f);
}

TEST(Commands, TogglesAndDefaultType) {
    Fixed f;
    toggleRunning(f.s, f.e);
    EXPECT_FALSE(f.e.Running);
    EXPECT_TRUE(f.s.SchemeChanged);
    EXPECT_EQ(f.s.RedrawRequests, 1);
    toggleRunning(f.s, f.e);
    EXPECT_TRUE(f.e.Running);

    chooseDefaultLogic(f.s, DefaultLogic::Boolean);
    EXPECT_EQ(f.a->Type, TypeReal); // existing items keep their type
    EXPECT_EQ(f.s.createItem("new", 0, 0)->Type, TypeBoolean);
    chooseDefaultLogic(f.s, DefaultLogic::Fuzzy);
    EXPECT_EQ(f.s.DefaultItemType, TypeFuzzy);
    chooseDefaultLogic(f.s, DefaultLogic::Real);
    EXPECT_EQ(f.s.DefaultItemType, TypeReal);

    toggleMovement(f.s, f.e);
    EXPECT_TRUE(f.e.MovementOn);
    const int redraws = f.s.RedrawRequests;
    toggleShowValues(f.s, f.e);
    EXPECT_TRUE(f.e.ShowValues);
    EXPECT_EQ(f.s.RedrawRequests, redraws + 1);
    toggleShowVolumes(f.e);
    EXPECT_TRUE(f.e.ShowVolumes);
    EXPECT_EQ(f.s.RedrawRequests, redraws + 1);
}

TEST(Tick, PausesAfterAnAddressWasOpenedThenStepsBlinksAndRepaints) {
    Fixed f;
    Interaction input;
    int panel = 0, eases = 0, repaints = 0;
    TickHooks hooks;
    hooks.refreshPropertiesPanel = [&] { ++panel; };
    hooks.easeZoom = [&] { ++eases; };
    hooks.repaint = [&] { ++repaints; };
    f.s.SchemeChanged = true;
    f.e.TickCount = 0;
    for (int i = 0; i < 29; ++i)
        timerTick(f.s, f.e, input, hooks);
    EXPECT_EQ(panel + eases + repaints, 0);
    EXPECT_EQ(f.a->Value, 0.0f);
    EXPECT_TRUE(f.e.BlinkPhase);
    timerTick(f.s, f.e, input, hooks); // tick 30: steps and blinks
    EXPECT_EQ(f.a->Value, 0.5f);
    EXPECT_FALSE(f.e.BlinkPhase);
    EXPECT_EQ(panel, 1);
    EXPECT_EQ(eases, 1);
    EXPECT_EQ(repaints, 1);

    // Not running: the tick does not step.
    f.e.Running = false;
    f.a->Custom = 1.0f;
    f.s.SchemeChanged = true;
    timerTick(f.s, f.e, input, hooks);
    EXPECT_EQ(f.a->Value, 0.5f);

    // Busy: no repaint. Every tenth tick with the left button held, the blink stays on.
    ++f.s.BusyDepth;
    f.s.MouseButtonState = 0;
    f.e.TickCount = 39;
    f.e.BlinkPhase = true;
    timerTick(f.s, f.e, input, hooks);
    EXPECT_TRUE(f.e.BlinkPhase);
    EXPECT_EQ(repaints, 2);
    --f.s.BusyDepth;
}

TEST(Tick, HoverDwellAsksForTheTooltipFrames) {
    Fixed f;
    Interaction input;
    f.e.Running = false;
    f.a->text = "note";
    f.s.Hovered.item = f.a;
    f.s.HoverKind = HoverItem;
    f.e.TickCount = 100;
    std::vector<int> requested;
    for (int i = 1; i <= 31; ++i) {
        if (f.e.TickCount % 10 == 9)
            f.e.TickCount += 1; // keep the blink's own requests out of the count
        const int before = f.s.RedrawRequests;
        timerTick(f.s, f.e, input, {});
        if (f.s.RedrawRequests > before)
            requested.push_back(input.HoverDwell);
    }
    ASSERT_FALSE(requested.empty());
    EXPECT_EQ(requested.front(), 11);
    EXPECT_EQ(requested.back(), 29);

    input.HoverDwell = 12;
    TickHooks panelShown;
    panelShown.panelVisible = [] { return true; };
    const int before = f.s.RedrawRequests;
    f.e.TickCount = 101;
    timerTick(f.s, f.e, input, panelShown);
    EXPECT_EQ(f.s.RedrawRequests, before);
    EXPECT_EQ(input.HoverDwell, 13);
}

TEST(Tick, AdvancesARunningViewSwitch) {
    Fixed f;
    Interaction input;
    f.e.Running = false;
    CPoint* view = f.s.createItem("view", 0, 0);
    f.s.changeType(view, TypeProjection);
    f.s.findOrAddViewEntry(view, f.a)->DX = 70;
    f.s.switchViewpoint(view);
    ASSERT_EQ(f.s.ViewSwitchFrame, 1);
    for (int i = 0; i < 7; ++i)
        timerTick(f.s, f.e, input, {});
    EXPECT_EQ(f.s.ViewSwitchFrame, 0);
    EXPECT_EQ(f.a->X, 70);
}

} // namespace
