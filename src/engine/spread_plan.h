// The spread phase's plan: built from the links, the trace lists and the coefficients, and
// good while none of them changes. Internal to src/engine.
#pragma once

#include "model/scheme.h"

namespace lumeris::step {

// The counters a plan depends on, as they stand now.
SpreadPlan::Key planKey(const Scheme& scheme);

// Lists every contribution the links make, in spread order, with the traces they read and
// write; a target trace that does not exist yet is left null.
void buildPlan(Scheme& scheme, const SpreadPlan::Key& key);

// Makes the plan's contributions in order until one needs a trace that does not exist yet;
// returns its index (the plan's size when all were made). Nothing it does changes the plan.
std::size_t runPlan(const SpreadPlan& plan, std::uint32_t stamp);

} // namespace lumeris::step
