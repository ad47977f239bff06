// The spread phase from a plan. Once a scheme keeps its shape, every step makes the same
// contributions in the same order; the plan lists them grouped by the item they reach, so
// that each item can be combined right after its contributions, while its traces are still
// in the cache. Internal to src/engine.
#pragma once

#include "model/scheme.h"

namespace lumeris::step {

// The counters a plan depends on, as they stand now.
SpreadPlan::Key planKey(const Scheme& scheme);

// Runs the spread and combine phases from the plan, building it first when the scheme has
// kept its shape since the last step. Returns false, having changed nothing, when the plan
// cannot give this step's results: while teaching (which works in place, item by item), when
// the scheme has just changed, or when a contribution would make a new trace.
bool spreadAndCombineByPlan(Scheme& scheme, bool teaching);

} // namespace lumeris::step
