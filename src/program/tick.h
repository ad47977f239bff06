// The core of the 50 ms run-timer tick; the window's timer calls it and supplies the steps
// that belong to the window.
#pragma once

#include "edit/interaction.h"
#include "engine/evaluation.h"
#include "engine/step.h"
#include "model/scheme.h"

#include <functional>

namespace lumeris {

// The window's side of a tick. Every member may be left empty.
struct TickHooks {
    StepHooks step;                               // for the tick's step (no repaint-after)
    std::function<void()> refreshPropertiesPanel; // RefreshPropertiesPanel
    std::function<void()> easeZoom;               // one step of the scale easing
    std::function<bool()> textWindowVisible;      // the text window (TfrmProp2) is shown
    std::function<bool()> panelVisible;           // the properties panel (TfrmProp) is shown
    std::function<void()> repaint;                // Repaint with ItemsOnly clear
};

// One tick, in order: the count (nothing more while it is below 30), a step when one is due
// and running, the panel refresh, the blink every tenth tick, the zoom easing, the hover
// dwell, a frame of a running view switch, and a repaint when nothing holds the model busy.
void timerTick(Scheme& scheme, Evaluation& eval, Interaction& input, const TickHooks& hooks);

} // namespace lumeris
