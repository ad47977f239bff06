// The spread phase: every link adds the traces its From item passes on into its To item.
// While the scheme keeps its shape from step to step the phase runs from a plan (see
// spread_plan.h); links after the first contribution that would make a trace, and every link
// of a step whose scheme has just changed, are spread here, finding and making traces.
#include "engine/spread_plan.h"
#include "engine/trace_ops.h"

#include <algorithm>

namespace lumeris::step {

namespace {

// Resolves, for one link, the To item's trace of each source the link passes, by position.
// The link's cached positions make this a check in the steady state; a miss searches the
// target's list, making the trace when it has none.
class TargetSlots {
  public:
    TargetSlots(Scheme& scheme, CLink* link)
        : scheme_(scheme), cache_(link->StepIndex), target_(link->To) {}

    std::uint32_t at(std::size_t position, CPoint* source) {
        std::uint32_t& slot = position == 0 ? cache_.First : restSlot(position - 1);
        const std::vector<CVolume>& traces = target_->Traces;
        if (slot >= traces.size() || traces[slot].Source != source)
            slot = search(source);
        previous_ = slot;
        return slot;
    }

  private:
    std::uint32_t& restSlot(std::size_t i) {
        if (i >= cache_.Rest.size())
            cache_.Rest.resize(i + 1, NoSlot);
        return cache_.Rest[i];
    }

    std::uint32_t search(CPoint* source) {
        // Both lists share one order, so the trace after the previous hit is the likely one.
        const std::vector<CVolume>& traces = target_->Traces;
        if (previous_ != NoSlot && previous_ + 1 < traces.size() &&
            traces[previous_ + 1].Source == source)
            return previous_ + 1;
        return findOrCreateSlot(scheme_, target_, source);
    }

    Scheme& scheme_;
    LinkStepIndex& cache_;
    CPoint* const target_;
    std::uint32_t previous_ = NoSlot;
};

// Spreads one link's contributions from the given position on (the ones before it were made
// from the plan).
void spreadLink(Scheme& scheme, CLink* link, std::size_t start) {
    CPoint* const from = link->From;
    CPoint* const to = link->To;
    const float c = link->Value;
    const std::uint8_t accumulation = accumulationOf(to);
    const bool skipZero = to->AndOr > 0.5f;
    const std::uint32_t stamp = scheme.StepCount;
    const float identity = identityOf(accumulation);
    TargetSlots targets(scheme, link);
    forEachPassed(from, to, [&](std::uint32_t position, std::uint32_t slot, std::uint8_t rule) {
        if (position < start)
            return;
        const CVolume& passed = from->Traces[slot];
        const float x = contribution(rule, passed.Value, c);
        if (rule == Rule::Own && x == 0.0f && skipZero)
            return;
        // Making the target's trace moves the target's list, and, for a link from an item
        // to itself, the list being passed; the trace is therefore found after x is known.
        CVolume& trace = to->Traces[targets.at(position, passed.Source)];
        touch(trace, stamp, identity);
        accumulate(trace, accumulation, x);
    });
}

void spreadLinks(Scheme& scheme, std::size_t firstLink, std::size_t start) {
    const std::vector<CLink*>& links = scheme.StepLists.Links;
    constexpr std::size_t ahead = 8; // links lie scattered in memory: fetch them ahead of use
    for (std::size_t i = firstLink; i < links.size(); ++i) {
        if (i + ahead < links.size())
            __builtin_prefetch(links[i + ahead]);
        spreadLink(scheme, links[i], i == firstLink ? start : 0);
    }
}

} // namespace

void spread(Scheme& scheme) {
    SpreadPlan& plan = scheme.StepPlan;
    const SpreadPlan::Key now = planKey(scheme);
    if (!(plan.BuiltFor == now)) {
        // A scheme that changed since the last step is likely to change again (traces are
        // still being made): planning would cost more than it saves.
        if (!(plan.LastStepEnd == now)) {
            spreadLinks(scheme, 0, 0);
            return;
        }
        buildPlan(scheme, now);
    }
    const std::size_t stop = runPlan(plan, scheme.StepCount);
    if (stop == plan.Contributions.size())
        return;
    const auto link = std::upper_bound(plan.LinkStart.begin(), plan.LinkStart.end(),
                                       static_cast<std::uint32_t>(stop)) -
                      1;
    spreadLinks(scheme, static_cast<std::size_t>(link - plan.LinkStart.begin()), stop - *link);
}

} // namespace lumeris::step
