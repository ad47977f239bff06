// The spread phase: every link adds the traces its From item passes on into its To item,
// finding and making the traces it reaches. The traces made wait aside (see MadeTrace) until
// their owner passes its traces on or the phase ends. A scheme that keeps its shape from step to
// step is spread from a plan instead (see spread_plan.h).
#include "engine/trace_ops.h"

namespace lumeris::step {

namespace {

// Resolves, for one link, the To item's trace of each source the link passes, by position.
// The link's cached positions make this a check in the steady state; a miss searches the
// target's list, and then the traces made this step, making the trace when it has none.
class TargetSlots {
  public:
    TargetSlots(Scheme& scheme, StepCache& cache, std::size_t place)
        : scheme_(scheme), cache_(cache), place_(static_cast<std::uint32_t>(place)),
          link_(cache.LinkIndex[place]), target_(cache.Items[link_.ToPlace]),
          // A link into its own From item reads the list it adds to: its traces join at once,
          // as the item's other links will see them.
          selfLink_(link_.FromPlace == link_.ToPlace) {}

    CVolume& at(std::size_t position, CPoint* source) {
        std::uint32_t& slot = rememberedSlot(cache_, link_, position);
        slot = recheckSlot(target_, slot, source);
        if (slot == NoSlot)
            slot = search(source);
        previous_ = slot;
        if (slot != NoSlot)
            return target_->Traces[slot];
        return madeTrace(cache_, link_.ToPlace, source, place_,
                         static_cast<std::uint32_t>(position));
    }

  private:
    std::uint32_t search(CPoint* source) {
        // Both lists share one order, so the trace after the previous hit is the likely one.
        const std::vector<CVolume>& traces = target_->Traces;
        if (previous_ != NoSlot && previous_ + 1 < traces.size() &&
            traces[previous_ + 1].Source == source)
            return previous_ + 1;
        return selfLink_ ? findOrCreateSlot(scheme_, target_, source) : findSlot(target_, source);
    }

    Scheme& scheme_;
    StepCache& cache_;
    const std::uint32_t place_;
    LinkSteps& link_;
    CPoint* const target_;
    const bool selfLink_;
    std::uint32_t previous_ = NoSlot;
};

void spreadLink(Scheme& scheme, StepCache& cache, std::size_t place) {
    const LinkSteps& link = cache.LinkIndex[place];
    CPoint* const from = cache.Items[link.FromPlace];
    CPoint* const to = cache.Items[link.ToPlace];
    const float c = link.Coefficient;
    // The traces made for the From item so far join its list before it passes them on.
    if (cache.ItemIndex[link.FromPlace].FirstMade != NoSlot)
        putMadeTraces(scheme, cache, link.FromPlace);
    const Accumulation accumulation = accumulationOf(to);
    const bool skipZero = to->AndOr > 0.5f;
    TargetSlots targets(scheme, cache, place);
    const ItemSteps& index = refreshIndex(cache, link.FromPlace);
    forEachPassed(index, from, to, [&](std::uint32_t position, std::uint32_t slot, Rule rule) {
        const CVolume& passed = from->Traces[slot];
        const float x = contribution(rule, passed.Value, c);
        if (skipsZero(rule, x, skipZero))
            return;
        // Making the target's trace may move the target's list: x is taken first. A trace
        // made here starts from MinInput 1 and Accum 0, not from the reset of the prepare
        // phase.
        accumulate(targets.at(position, passed.Source), accumulation, x);
    });
}

} // namespace

void spread(Scheme& scheme, StepCache& cache) {
    const std::vector<LinkSteps>& links = cache.LinkIndex;
    // The traces links reach lie in many lists: fetch each link's remembered one ahead of use.
    constexpr std::size_t ahead = 8;
    for (std::size_t i = 0; i < links.size(); ++i) {
        if (i + ahead < links.size()) {
            const LinkSteps& next = links[i + ahead];
            const std::vector<CVolume>& traces = cache.Items[next.ToPlace]->Traces;
            if (next.First < traces.size())
                __builtin_prefetch(traces.data() + next.First, 1);
        }
        spreadLink(scheme, cache, i);
    }
    putAllMadeTraces(scheme, cache);
}

} // namespace lumeris::step
