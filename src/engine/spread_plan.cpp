// Planning the spread phase: once a scheme keeps its shape, each step's contributions are the
// same list of (passed trace, coefficient, target trace) in the same order, so the step walks
// that list instead of the links, their ends and the target lists.
#include "engine/spread_plan.h"
#include "engine/trace_ops.h"

namespace lumeris::step {

namespace {

// The position in the To item's list of the trace the link's contribution at `position`
// reaches, checked against the link's cache; NoSlot when the To item holds none.
std::uint32_t plannedSlot(CLink* link, std::size_t position, const CPoint* source) {
    LinkStepIndex& cache = link->StepIndex;
    if (position > 0 && cache.Rest.size() < position)
        cache.Rest.resize(position, NoSlot);
    std::uint32_t& slot = position == 0 ? cache.First : cache.Rest[position - 1];
    const std::vector<CVolume>& traces = link->To->Traces;
    if (slot >= traces.size() || traces[slot].Source != source)
        slot = findSlot(link->To, source);
    return slot;
}

} // namespace

SpreadPlan::Key planKey(const Scheme& scheme) {
    return {scheme.StructureVersion, scheme.TraceVersion, scheme.CoefficientVersion,
            scheme.StepPlan.Attributes};
}

void buildPlan(Scheme& scheme, const SpreadPlan::Key& key) {
    SpreadPlan& plan = scheme.StepPlan;
    plan.Contributions.clear();
    plan.LinkStart.clear();
    for (CLink* link : scheme.StepLists.Links) {
        plan.LinkStart.push_back(static_cast<std::uint32_t>(plan.Contributions.size()));
        CPoint* const to = link->To;
        const std::uint8_t accumulation = accumulationOf(to);
        const bool skipZero = to->AndOr > 0.5f;
        forEachPassed(link->From, to,
                      [&](std::uint32_t position, std::uint32_t slot, std::uint8_t rule) {
                          const CVolume& passed = link->From->Traces[slot];
                          const std::uint32_t target = plannedSlot(link, position, passed.Source);
                          plan.Contributions.push_back(
                              {target == NoSlot ? nullptr : &to->Traces[target], &passed,
                               link->Value, rule, accumulation, skipZero});
                      });
    }
    plan.BuiltFor = key;
}

std::size_t runPlan(const SpreadPlan& plan, std::uint32_t stamp) {
    const PlannedContribution* const contributions = plan.Contributions.data();
    const std::size_t count = plan.Contributions.size();
    constexpr std::size_t ahead = 16; // the target traces lie in many lists: fetch them early
    for (std::size_t i = 0; i < count; ++i) {
        if (i + ahead < count)
            __builtin_prefetch(contributions[i + ahead].Target, 1);
        const PlannedContribution& p = contributions[i];
        const float x = contribution(p.Rule, p.Source->Value, p.Coefficient);
        if (p.Rule == Rule::Own && x == 0.0f && p.SkipZero)
            continue;
        if (!p.Target)
            return i;
        touch(*p.Target, stamp, identityOf(p.Accumulation));
        accumulate(*p.Target, p.Accumulation, x);
    }
    return count;
}

} // namespace lumeris::step
