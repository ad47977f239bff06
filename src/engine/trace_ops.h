// The per-trace operations of the step, shared by its phases. Internal to src/engine.
#pragma once

#include "engine/step_cache.h"
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

// The prepare phase's reset of one item's accumulators.
inline void resetTraces(CPoint* item) {
    const float identity = identityOf(item);
    for (CVolume& v : item->Traces) {
        v.MinInput = 1.0f;
        v.Accum = identity;
    }
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

// Rebuilds the item's OwnSlot and PassOn from its trace list.
ItemSteps& rebuildIndex(StepCache& cache, std::uint32_t place);

// The item's OwnSlot and PassOn, rebuilt when its trace list has grown since they were
// built. Only a step calls it, after its record has seen which items are flags now. Every
// link asks it of its From item, so the check is inline.
inline ItemSteps& refreshIndex(StepCache& cache, std::uint32_t place) {
    ItemSteps& index = cache.ItemIndex[place];
    if (index.BuiltForSize == cache.Items[place]->Traces.size())
        return index;
    return rebuildIndex(cache, place);
}

// The position of the owner's trace of source, or NoSlot.
std::uint32_t findSlot(const CPoint* owner, const CPoint* source);

// The position of the owner's trace of source, made in its place by source name when the
// owner has none. Making it moves the traces after it one place on.
std::uint32_t findOrCreateSlot(Scheme& scheme, CPoint* owner, CPoint* source);

// Where findOrCreateSlot makes a new trace of source in the owner's list.
std::size_t insertionPoint(const CPoint* owner, const CPoint* source);

// The trace of source that the spread phase has made for the item at this place this step,
// made now if there is none; link and position say which contribution asks. The item's list
// must hold no trace of source. The trace joins the list when putMadeTraces is called.
CVolume& madeTrace(StepCache& cache, std::uint32_t place, CPoint* source, std::uint32_t link,
                   std::uint32_t position);

// Puts the traces made for the item at this place into its list, where making them one by
// one in the order they were made would have put them.
void putMadeTraces(Scheme& scheme, StepCache& cache, std::uint32_t place);

// Puts every made trace into its owner's list.
void putAllMadeTraces(Scheme& scheme, StepCache& cache);

// assign with the trace's position known.
inline void assignAt(Scheme& scheme, CPoint* item, std::uint32_t slot, bool own, float x) {
    CVolume& trace = item->Traces[slot];
    x = item->Type == TypeBoolean ? (x > 0.0f ? 1.0f : -1.0f) : clampUnit(x);
    if (trace.Value != x)
        scheme.SchemeChanged = true;
    trace.Value = x;
    if (own)
        item->Value = x;
}

// assign (item, item, x), using the step's record of where the own trace is.
inline void assignOwn(Scheme& scheme, const ItemSteps& index, CPoint* item, float x) {
    std::uint32_t slot = index.OwnSlot;
    if (slot >= item->Traces.size() || item->Traces[slot].Source != item)
        slot = findOrCreateSlot(scheme, item, item);
    assignAt(scheme, item, slot, true, x);
}

// The link's remembered position, in its To item's list, of the trace its contribution at
// `position` reaches.
inline std::uint32_t& rememberedSlot(StepCache& cache, LinkSteps& link, std::size_t position) {
    if (position == 0)
        return link.First;
    if (link.Rest == NoSlot) {
        link.Rest = static_cast<std::uint32_t>(cache.Rests.size());
        cache.Rests.emplace_back();
    }
    std::vector<std::uint32_t>& rest = cache.Rests[link.Rest];
    if (rest.size() < position)
        rest.resize(position, NoSlot);
    return rest[position - 1];
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
template <class Visit>
void forEachPassed(const ItemSteps& index, const CPoint* from, const CPoint* to, Visit&& visit) {
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

// Brings the record up to the scheme: rebuilt when the scheme's change stamp has moved on
// since the record last saw it (or the record was kept for another scheme).
void refreshCache(StepCache& cache, const Scheme& scheme);

// Brings the record's coefficients up to the links, after teaching has changed them.
void reloadCoefficients(StepCache& cache);

// Phases, each over the whole scheme: spread finds and makes the traces it reaches, combine
// turns one item's accumulated traces into its new values (see also spread_plan.h).
void spread(Scheme& scheme, StepCache& cache);
void combine(Scheme& scheme, StepCache& cache, std::uint32_t place, bool teach);

} // namespace lumeris::step
