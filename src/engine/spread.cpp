// The spread phase: every link adds the traces its From item passes on into its To item,
// finding and making the traces it reaches. A scheme that keeps its shape from step to step
// is spread from a plan instead (see spread_plan.h).
#include "engine/trace_ops.h"

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
        std::uint32_t& slot = rememberedSlot(cache_, position);
        slot = recheckSlot(target_, slot, source);
        if (slot == NoSlot)
            slot = search(source);
        previous_ = slot;
        return slot;
    }

  private:
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

void spreadLink(Scheme& scheme, CLink* link) {
    CPoint* const from = link->From;
    CPoint* const to = link->To;
    const float c = link->Value;
    const Accumulation accumulation = accumulationOf(to);
    const bool skipZero = to->AndOr > 0.5f;
    const std::uint32_t stamp = scheme.StepCount;
    const float identity = identityOf(accumulation);
    TargetSlots targets(scheme, link);
    forEachPassed(from, to, [&](std::uint32_t position, std::uint32_t slot, Rule rule) {
        const CVolume& passed = from->Traces[slot];
        const float x = contribution(rule, passed.Value, c);
        if (skipsZero(rule, x, skipZero))
            return;
        // Making the target's trace moves the target's list: x is taken first.
        CVolume& trace = to->Traces[targets.at(position, passed.Source)];
        touch(trace, stamp, identity);
        accumulate(trace, accumulation, x);
    });
}

} // namespace

void spread(Scheme& scheme) {
    const std::vector<CLink*>& links = scheme.StepLists.Links;
    constexpr std::size_t ahead = 8; // links lie scattered in memory: fetch them ahead of use
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (i + ahead < links.size())
            __builtin_prefetch(links[i + ahead]);
        spreadLink(scheme, links[i]);
    }
}

} // namespace lumeris::step
