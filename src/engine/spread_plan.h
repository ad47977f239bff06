// The spread phase from a plan. Once a scheme keeps its shape, every step makes the same
// contributions in the same order; the plan lists them grouped by the item they reach, so
// that each item can be combined right after its contributions, while its traces are still
// in the cache. Internal to src/engine.
#pragma once

#include "engine/step_cache.h"
#include "model/scheme.h"

namespace lumeris::step {

// Whether this step may take the fast path, building the plan first when the last step kept
// the scheme's shape. Never while teaching, which works in place, item by item.
bool planFits(StepCache& cache, bool teaching);

// The fast path for a scheme that kept its shape: resets, spreads into and combines one item
// after another from the plan. Returns false, having changed nothing, when a contribution
// would make a new trace; the traces are then still as the prepare phase left them.
bool spreadAndCombineByPlan(Scheme& scheme, StepCache& cache);

} // namespace lumeris::step
