// The per-trace operations of the step, shared by its phases. Internal to src/engine.
#pragma once

#include "model/scheme.h"

#include <cmath>
#include <cstdint>

namespace lumeris::step {

// What a link makes of a trace it passes on: the bare coefficient, the magnitude of the
// value, the value of a fuzzy item's trace, or the From item's own value (a zero of which
// is skipped for targets with AndOr above 0.5).
enum class Rule : std::uint8_t { Bare, Magnitude, Fuzzy, Own };

// How contributions into an item's traces combine.
enum class Accumulation : std::uint8_t { Nothing, Largest, Smallest, Sum };

inline float clampUnit(float x) {
    return x > 1.0f ? 1.0f : (x < -1.0f ? -1.0f : x);
}

inline bool isBooleanOr(const CPoint* item) {
    return item->AndOr >= 0.5f;
}

inline Accumulation accumulationOf(const CPoint* item) {
    switch (item->Type) {
    case TypeBoolean:
        return isBooleanOr(item) ? Accumulation::Largest : Accumulation::Smallest;
    case TypeReal:
    case TypeFlag:
    case TypeFuzzy:
        return Accumulation::Sum;
    default:
        return Accumulation::Nothing;
    }
}

// The starting value of an accumulation.
inline float identityOf(Accumulation accumulation) {
    if (accumulation == Accumulation::Largest)
        return -1.0f;
    return accumulation == Accumulation::Smallest ? 1.0f : 0.0f;
}

inline float identityOf(const CPoint* item) {
    return identityOf(accumulationOf(item));
}

// Resets MinInput and Accum the first time the current step touches the trace. Traces made
// during the step carry its stamp already and keep their fresh 1 and 0.
inline void touch(CVolume& trace, std::uint32_t stamp, float identity) {
    if (trace.StepStamp == stamp)
        return;
    trace.StepStamp = stamp;
    trace.MinInput = 1.0f;
    trace.Accum = identity;
}

// Adds one contribution into the trace (contribute, after the lookup).
inline void accumulate(CVolume& trace, Accumulation accumulation, float x) {
    switch (accumulation) {
    case Accumulation::Largest:
        trace.Accum = x > trace.Accum ? x : trace.Accum;
        break;
    case Accumulation::Smallest:
        trace.Accum = x < trace.Accum ? x : trace.Accum;
        break;
    case Accumulation::Sum:
        trace.MinInput = x < trace.MinInput ? x : trace.MinInput;
        trace.Accum = trace.Accum + x;
        break;
    default:
        break;
    }
}

// The item's OwnSlot and PassOn, rebuilt when its trace list or the set of flag items has
// changed since they were built. Only a step calls it, after its preparing has seen which
// items are flags now.
ItemStepIndex& refreshIndex(CPoint* item);

// The position of the owner's trace of source, or NoSlot.
std::uint32_t findSlot(const CPoint* owner, const CPoint* source);

// The position of the owner's trace of source, made in its place by source name when the
// owner has none. Making it moves the traces after it one place on.
std::uint32_t findOrCreateSlot(Scheme& scheme, CPoint* owner, CPoint* source);

// The link's remembered position, in its To item's list, of the trace its contribution at
// `position` reaches.
inline std::uint32_t& rememberedSlot(LinkStepIndex& cache, std::size_t position) {
    if (position == 0)
        return cache.First;
    if (cache.Rest.size() < position)
        cache.Rest.resize(position, NoSlot);
    return cache.Rest[position - 1];
}

// The remembered position if the owner's trace of source is still there, or one place on
// (a trace was made before it since); NoSlot otherwise.
inline std::uint32_t recheckSlot(const CPoint* owner, std::uint32_t slot, const CPoint* source) {
    const std::vector<CVolume>& traces = owner->Traces;
    if (slot >= traces.size())
        return NoSlot;
    if (traces[slot].Source == source)
        return slot;
    return slot + 1 < traces.size() && traces[slot + 1].Source == source ? slot + 1 : NoSlot;
}

// Calls visit(position, slot, rule) for every trace of the From item that a link to `to`
// passes on, in trace order: position counts the traces passed, slot is the trace's place in
// the From item's list and rule says what the link makes of its value.
template <class Visit> void forEachPassed(CPoint* from, const CPoint* to, Visit&& visit) {
    const ItemStepIndex& index = refreshIndex(from);
    const std::uint32_t count = static_cast<std::uint32_t>(from->Traces.size());
    // A fuzzy target with a fixed value takes the bare coefficient from every source.
    if (to->Type == TypeFuzzy && to->IsCust == 1) {
        for (std::uint32_t i = 0; i < count; ++i)
            visit(i, i, Rule::Bare);
        return;
    }
    // A fuzzy item passes on every trace it holds; those of flags as magnitudes.
    if (from->Type == TypeFuzzy) {
        std::size_t p = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            const bool passOn = p < index.PassOn.size() && index.PassOn[p] == i;
            p += passOn;
            visit(i, i, passOn && i != index.OwnSlot ? Rule::Magnitude : Rule::Fuzzy);
        }
        return;
    }
    // Any other item passes on its own value and the magnitudes of flag traces.
    const bool flag = from->Type == TypeFlag;
    std::uint32_t position = 0;
    for (const std::uint32_t slot : index.PassOn)
        visit(position++, slot, slot != index.OwnSlot || flag ? Rule::Magnitude : Rule::Own);
}

// What a link makes of a passed trace's value.
inline float contribution(Rule rule, float value, float c) {
    switch (rule) {
    case Rule::Bare:
        return c;
    case Rule::Magnitude:
        return std::fabs(value) * c;
    default:
        return value * c;
    }
}

// Whether a contribution is left out: a zero of the From item's own value, into an item
// with AndOr above 0.5.
inline bool skipsZero(Rule rule, float x, bool skipZero) {
    return rule == Rule::Own && x == 0.0f && skipZero;
}

// ItemList and LinkList as arrays, so that the phases can look ahead and prefetch.
void refreshLists(Scheme& scheme);

// Phases, each over the whole scheme: spread finds and makes the traces it reaches;
// spreadAndCombineByPlan runs both phases from the plan when it may (see spread_plan.h).
void spread(Scheme& scheme);
void combine(Scheme& scheme, CPoint* item, bool teach);

} // namespace lumeris::step
