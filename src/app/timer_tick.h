// Timer1Timer: the 50 ms heartbeat. In order: the pause after an address was opened, the
// step, the properties panel, the blink, the zoom easing, the hover dwell, one frame of a
// view switch and the repaint.
#pragma once

#include "engine/step.h"
#include "world.h"

#include <functional>

namespace lumeris {

// What the tick needs from the windows around the canvas. Every member may be left empty.
struct TickHooks {
    StepHooks step;
    std::function<void()> RefreshPropertiesPanel;
    std::function<bool()> textWindowVisible; // TfrmProp2
    std::function<void(bool)> Repaint;       // the painter's guarded entry
};

// Ticks after TickCount was reset to 0 that do nothing.
constexpr int TickPause = 30;
constexpr int BlinkTicks = 10;

void Timer1Timer(World& world, const TickHooks& hooks);

} // namespace lumeris
