#include "app/timer_tick.h"

#include "view/navigation.h"

namespace lumeris {

namespace {

// The left button held on the canvas keeps the highlight lit.
void blink(World& world) {
    Evaluation& eval = world.eval;
    eval.BlinkPhase = !eval.BlinkPhase || world.scheme.MouseButtonState == 0;
    ++world.scheme.RedrawRequests;
}

// A hovered item's text shows as a tooltip after a while, unless a window already shows it.
void countHoverDwell(World& world, const TickHooks& hooks) {
    Scheme& scheme = world.scheme;
    int& dwell = world.input.HoverDwell;
    const CPoint* item = scheme.Hovered.item;
    if (scheme.HoverKind != HoverItem || !item || dwell < 0)
        return;
    ++dwell;
    const bool textShown =
        world.eval.PanelVisible || (hooks.textWindowVisible && hooks.textWindowVisible());
    if (dwell >= 11 && dwell <= 29 && !item->text.empty() && !textShown &&
        scheme.MouseButtonState == MouseButtonNone)
        ++scheme.RedrawRequests;
}

} // namespace

void Timer1Timer(World& world, const TickHooks& hooks) {
    Evaluation& eval = world.eval;
    if (++eval.TickCount < TickPause)
        return;
    propagationStep(world.scheme, eval, false, false, hooks.step);
    if (hooks.RefreshPropertiesPanel)
        hooks.RefreshPropertiesPanel();
    if (eval.TickCount % BlinkTicks == 0)
        blink(world);
    EaseZoom(world);
    countHoverDwell(world, hooks);
    world.scheme.stepViewSwitch();
    if (world.scheme.BusyDepth == 0 && hooks.Repaint)
        hooks.Repaint(false);
}

} // namespace lumeris
