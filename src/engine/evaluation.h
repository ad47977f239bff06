// The evaluation's program-wide state: the step's guards and the run control's toggles.
// SchemeChanged, BusyDepth and RedrawRequests live on the Scheme, which every part changes.
#pragma once

#include "engine/step_cache.h"

#include <cstdint>

namespace lumeris {

struct Evaluation {
    bool StepInProgress = false;
    bool TeachPending = false;
    float HeldValue = 0; // the value held on the properties panel's slider; 0 means none

    bool Running = true; // the run toggle, menu item mRunning
    int TickCount = 100;
    std::uint64_t StepsRun = 0; // steps since the scheme was opened, for the status bar
    bool BlinkPhase = true;
    bool MovementOn = false;
    bool ShowValues = false;  // mShowValues
    bool ShowVolumes = false; // mShowVolumes

    StepCache Cache; // the step's record of the scheme's shape; only the step reads it
};

} // namespace lumeris
