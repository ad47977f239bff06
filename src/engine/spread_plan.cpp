// Planning the spread phase. Each trace receives its contributions in link order whatever
// else happens in between, and every contribution reads a value the step had before it
// began; so the contributions may be made item by item, and each item combined as soon as
// its own are in, provided the values passed on are taken before the first item is combined
// and no combine reaches into another item (teaching does, so it is never planned).
#include "engine/spread_plan.h"
#include "engine/trace_ops.h"

#include <algorithm>
#include <cmath>

namespace lumeris::step {

namespace {

using Contribution = PlannedContribution;

// The position in the To item's list of the trace the link's contribution at `position`
// reaches, checked against the link's cache; NoSlot when the To item holds none.
std::uint32_t plannedSlot(StepCache& cache, std::size_t place, std::size_t position,
                          const CPoint* source) {
    const CPoint* to = cache.Items[cache.LinkIndex[place].ToPlace];
    std::uint32_t& slot = rememberedSlot(cache, cache.LinkIndex[place], position);
    slot = recheckSlot(to, slot, source);
    if (slot == NoSlot)
        slot = findSlot(to, source);
    return slot;
}

// Lists the links' contributions, each in its target's group. Everything it fills is kept
// in the plan, so that building it again after an edit reuses the memory.
class PlanBuilder {
  public:
    explicit PlanBuilder(StepCache& cache)
        : cache_(cache), plan_(cache.Plan), items_(cache.Items), links_(cache.LinkIndex) {}

    void build() {
        placeGroups();
        plan_.OwnEntry.assign(items_.size(), NoSlot);
        plan_.Passed.clear();
        plan_.Passed.push_back({nullptr, PassedTrace::Coefficient});
        plan_.Unmade.clear();
        for (std::size_t place = 0; place < links_.size(); ++place)
            add(place);
        plan_.Values.resize(plan_.Passed.size());
    }

  private:
    // Counts the contributions into each item, which gives each group its place.
    void placeGroups() {
        std::vector<std::uint32_t>& start = plan_.GroupStart;
        start.assign(items_.size() + 1, 0);
        for (std::size_t place = 0; place < links_.size(); ++place) {
            const LinkSteps& link = links_[place];
            std::uint32_t& count = start[link.ToPlace + 1];
            forEachPassed(refreshIndex(cache_, link.FromPlace), items_[link.FromPlace],
                          items_[link.ToPlace],
                          [&](std::uint32_t, std::uint32_t, Rule) { ++count; });
        }
        for (std::size_t i = 1; i < start.size(); ++i)
            start[i] += start[i - 1];
        plan_.Cursor.assign(start.begin(), start.end() - 1);
        plan_.Contributions.resize(start.back());
    }

    // Appends the link's contributions to its target's group: link order within each group.
    void add(std::size_t linkPlace) {
        const LinkSteps& link = links_[linkPlace];
        CPoint* const from = items_[link.FromPlace];
        CPoint* const to = items_[link.ToPlace];
        const std::uint32_t place = link.ToPlace;
        forEachPassed(refreshIndex(cache_, link.FromPlace), from, to,
                      [&](std::uint32_t position, std::uint32_t slot, Rule rule) {
                          const CVolume& passed = from->Traces[slot];
                          const std::uint32_t target =
                              plannedSlot(cache_, linkPlace, position, passed.Source);
                          const std::uint32_t at = plan_.Cursor[place]++;
                          plan_.Contributions[at] = {
                              target == NoSlot ? nullptr : &to->Traces[target],
                              sourceEntry(link.FromPlace, passed, rule), link.Coefficient};
                          if (target == NoSlot)
                              plan_.Unmade.emplace_back(at, place);
                      });
    }

    std::uint32_t sourceEntry(std::uint32_t fromPlace, const CVolume& passed, Rule rule) {
        switch (rule) {
        case Rule::Bare:
            return 0;
        case Rule::Own: {
            // Every link from an item passes the same own value: one entry serves them all.
            std::uint32_t& entry = plan_.OwnEntry[fromPlace];
            if (entry == NoSlot)
                entry = append(passed, PassedTrace::Signed);
            return entry | Contribution::OwnRule;
        }
        case Rule::Magnitude:
            return append(passed, PassedTrace::Magnitude);
        default:
            return append(passed, PassedTrace::Signed);
        }
    }

    std::uint32_t append(const CVolume& passed, std::uint8_t kind) {
        plan_.Passed.push_back({&passed, kind});
        return static_cast<std::uint32_t>(plan_.Passed.size() - 1);
    }

    StepCache& cache_;
    SpreadPlan& plan_;
    const std::vector<CPoint*>& items_;
    const std::vector<LinkSteps>& links_;
};

// The values passed on in this step, as the spread phase would read them.
void takeValues(SpreadPlan& plan) {
    for (std::size_t i = 0; i < plan.Passed.size(); ++i) {
        const PassedTrace& passed = plan.Passed[i];
        if (passed.Kind == PassedTrace::Coefficient)
            plan.Values[i] = 1.0f;
        else if (passed.Kind == PassedTrace::Magnitude)
            plan.Values[i] = std::fabs(passed.Trace->Value);
        else
            plan.Values[i] = passed.Trace->Value;
    }
}

float valueOf(const SpreadPlan& plan, const Contribution& p) {
    return plan.Values[p.Source & ~Contribution::OwnRule] * p.Coefficient;
}

bool skipped(const Contribution& p, float x, bool skipZero) {
    return skipsZero((p.Source & Contribution::OwnRule) ? Rule::Own : Rule::Fuzzy, x, skipZero);
}

// Whether every contribution to a trace that does not exist yet is a skipped zero this step.
bool makesNoTrace(const SpreadPlan& plan, const std::vector<CPoint*>& items) {
    for (const auto& [k, place] : plan.Unmade) {
        const Contribution& p = plan.Contributions[k];
        if (!skipped(p, valueOf(plan, p), items[place]->AndOr > 0.5f))
            return false;
    }
    return true;
}

template <Accumulation Kind>
void spreadInto(const SpreadPlan& plan, std::size_t place, bool skipZero) {
    const Contribution* p = plan.Contributions.data() + plan.GroupStart[place];
    const Contribution* const end = plan.Contributions.data() + plan.GroupStart[place + 1];
    // The targets of small items lie in many small lists: fetch them ahead of use.
    constexpr std::size_t ahead = 16;
    const Contribution* const lastAhead = plan.Contributions.data() + plan.Contributions.size() -
                                          std::min(ahead, plan.Contributions.size());
    for (; p != end; ++p) {
        if (p < lastAhead)
            __builtin_prefetch(p[ahead].Target, 1);
        const float x = valueOf(plan, *p);
        if (skipped(*p, x, skipZero) || !p->Target)
            continue;
        accumulate(*p->Target, Kind, x);
    }
}

void spreadInto(const SpreadPlan& plan, const CPoint* item, std::size_t place) {
    const bool skipZero = item->AndOr > 0.5f;
    switch (accumulationOf(item)) {
    case Accumulation::Largest:
        return spreadInto<Accumulation::Largest>(plan, place, skipZero);
    case Accumulation::Smallest:
        return spreadInto<Accumulation::Smallest>(plan, place, skipZero);
    case Accumulation::Sum:
        return spreadInto<Accumulation::Sum>(plan, place, skipZero);
    default:
        return spreadInto<Accumulation::Nothing>(plan, place, skipZero);
    }
}

} // namespace

bool planFits(StepCache& cache, bool teaching) {
    if (teaching)
        return false;
    if (!cache.PlanBuilt) {
        // A scheme that changed since or during the last step is likely to change again
        // (traces are still being made): planning would cost more than it saves.
        if (!cache.Steady)
            return false;
        PlanBuilder(cache).build();
        cache.PlanBuilt = true;
    }
    return true;
}

bool spreadAndCombineByPlan(Scheme& scheme, StepCache& cache) {
    SpreadPlan& plan = cache.Plan;
    const std::vector<CPoint*>& items = cache.Items;
    takeValues(plan);
    if (!makesNoTrace(plan, items))
        return false;
    for (std::uint32_t place = 0; place < items.size(); ++place) {
        // Items lie scattered in memory: fetch each one, then its trace list, ahead of use.
        if (place + 16 < items.size()) {
            __builtin_prefetch(items[place + 16]);
            __builtin_prefetch(reinterpret_cast<const char*>(items[place + 16]) + 64);
        }
        if (place + 8 < items.size())
            __builtin_prefetch(items[place + 8]->Traces.data(), 1);
        // Each item's traces are reset, receive their contributions and are combined while
        // they are in the cache.
        resetTraces(items[place]);
        spreadInto(plan, items[place], place);
        combine(scheme, cache, place, false);
    }
    return true;
}

} // namespace lumeris::step
