#include "program/tick.h"

namespace lumeris {

namespace {

void blink(Scheme& scheme, Evaluation& eval) {
    const bool leftButtonHeld = scheme.MouseButtonState == 0;
    eval.BlinkPhase = !eval.BlinkPhase || leftButtonHeld;
    ++scheme.RedrawRequests;
}

// The tooltip of a hovered item shows after a dwell of 11 to 29 ticks.
void dwell(Scheme& scheme, Interaction& input, const TickHooks& hooks) {
    CPoint* const item = scheme.Hovered.item;
    if (scheme.HoverKind != HoverItem || !item || input.HoverDwell < 0)
        return;
    ++input.HoverDwell;
    const bool textWindow = hooks.textWindowVisible && hooks.textWindowVisible();
    const bool panel = hooks.panelVisible && hooks.panelVisible();
    if (input.HoverDwell >= 11 && input.HoverDwell <= 29 && !item->text.empty() && !panel &&
        !textWindow && scheme.MouseButtonState == MouseButtonNone)
        ++scheme.RedrawRequests;
}

} // namespace

void timerTick(Scheme& scheme, Evaluation& eval, Interaction& input, const TickHooks& hooks) {
    ++eval.TickCount;
    if (eval.TickCount < 30)
        return;
    propagationStep(scheme, eval, false, false, hooks.step);
    if (hooks.refreshPropertiesPanel)
        hooks.refreshPropertiesPanel();
    if (eval.TickCount % 10 == 0)
        blink(scheme, eval);
    if (hooks.easeZoom)
        hooks.easeZoom();
    dwell(scheme, input, hooks);
    if (scheme.ViewSwitchFrame != 0)
        scheme.stepViewSwitch();
    if (scheme.BusyDepth == 0 && hooks.repaint)
        hooks.repaint();
}

} // namespace lumeris
