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
    TargetSlots(Scheme& scheme, StepCache& cache, std::size_t place)
        : scheme_(scheme), cache_(cache), link_(cache.LinkIndex[place]),
          target_(cache.Links[place]->To) {}

    std::uint32_t at(std::size_t position, CPoint* source) {
        std::uint32_t& slot = rememberedSlot(cache_, link_, position);
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
    StepCache& cache_;
    LinkSteps& link_;
    CPoint* const target_;
    std::uint32_t previous_ = NoSlot;
};

void spreadLink(Scheme& scheme, StepCache& cache, std::size_t place) {
    const CLink* const link = cache.Links[place];
    CPoint* const from = link->From;
    CPoint* const to = link->To;
    const float c = link->Value;
    const Accumulation accumulation = accumulationOf(to);
    const bool skipZero = to->AndOr > 0.5f;
    TargetSlots targets(scheme, cache, place);
    const ItemSteps& index = refreshIndex(cache, cache.LinkIndex[place].FromPlace);
    forEachPassed(index, from, to, [&](std::uint32_t position, std::uint32_t slot, Rule rule) {
        const CVolume& passed = from->Traces[slot];
        const float x = contribution(rule, passed.Value, c);
        if (skipsZero(rule, x, skipZero))
            return;
        // Making the target's trace moves the target's list: x is taken first. A trace made
        // here starts from MinInput 1 and Accum 0, not from the reset of the prepare phase.
        accumulate(to->Traces[targets.at(position, passed.Source)], accumulation, x);
    });
}

} // namespace

void spread(Scheme& scheme, StepCache& cache) {
    const std::vector<CLink*>& links = cache.Links;
    constexpr std::size_t ahead = 8; // links lie scattered in memory: fetch them ahead of use
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (i + ahead < links.size())
            __builtin_prefetch(links[i + ahead]);
        spreadLink(scheme, cache, i);
    }
}

} // namespace lumeris::step
