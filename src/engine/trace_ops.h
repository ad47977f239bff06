// The per-trace operations of the step, shared by its phases. Internal to src/engine.
#pragma once

#include "model/scheme.h"

#include <algorithm>

namespace lumeris::step {

inline float clampUnit(float x) {
    return x > 1.0f ? 1.0f : (x < -1.0f ? -1.0f : x);
}

inline bool isBooleanOr(const CPoint* item) {
    return item->AndOr >= 0.5f;
}

// The starting value of an accumulation for the item's type.
inline float identityOf(const CPoint* item) {
    if (item->Type != TypeBoolean)
        return 0.0f;
    return isBooleanOr(item) ? -1.0f : 1.0f;
}

// Resets MinInput and Accum the first time the current step touches the trace. Traces made
// during the step carry its stamp already and keep their fresh 1 and 0.
inline void touch(const Scheme& scheme, CVolume* trace, const CPoint* owner) {
    if (trace->StepStamp == scheme.StepCount)
        return;
    trace->StepStamp = scheme.StepCount;
    trace->MinInput = 1.0f;
    trace->Accum = identityOf(owner);
}

// A new trace of owner for source, in its place by source name.
inline CVolume* newTrace(Scheme& scheme, CPoint* owner, CPoint* source) {
    CVolume* trace = scheme.addTrace(owner, source);
    trace->StepStamp = scheme.StepCount;
    if (source == owner)
        owner->StepIndex.OwnTrace = trace;
    return trace;
}

inline CVolume* findOrCreateTrace(Scheme& scheme, CPoint* owner, CPoint* source) {
    if (source == owner && owner->StepIndex.OwnTrace)
        return owner->StepIndex.OwnTrace;
    if (CVolume* found = scheme.findTrace(owner, source)) {
        if (source == owner)
            owner->StepIndex.OwnTrace = found;
        return found;
    }
    return newTrace(scheme, owner, source);
}

// Adds one contribution into the trace (contribute, after the lookup).
inline void accumulate(const Scheme& scheme, CPoint* target, CVolume* trace, float x) {
    touch(scheme, trace, target);
    switch (target->Type) {
    case TypeBoolean:
        if (isBooleanOr(target))
            trace->Accum = x > trace->Accum ? x : trace->Accum;
        else
            trace->Accum = x < trace->Accum ? x : trace->Accum;
        break;
    case TypeReal:
    case TypeFlag:
    case TypeFuzzy:
        trace->MinInput = x < trace->MinInput ? x : trace->MinInput;
        trace->Accum = trace->Accum + x;
        break;
    default:
        break;
    }
}

// The item's Order and PassOn, rebuilt when its trace list or the set of flag items has
// changed since they were built.
inline ItemStepIndex& refreshIndex(CPoint* item) {
    ItemStepIndex& index = item->StepIndex;
    if (index.Valid && index.BuiltFor == item->TraceListVersion)
        return index;
    index.Order.clear();
    index.OrderFromFlag.clear();
    index.PassOn.clear();
    for (CVolume* v = item->Traces; v; v = v->Next) {
        const bool fromFlag = v->Source->Type == TypeFlag;
        index.Order.push_back(v);
        index.OrderFromFlag.push_back(fromFlag);
        if (v->Source == item || fromFlag)
            index.PassOn.push_back(v);
    }
    index.BuiltFor = item->TraceListVersion;
    index.Valid = true;
    return index;
}

// The owner's trace of source, found by binary search of its index (which is in trace
// order), or a new one put in its place there. The index stays current, so that making a
// trace costs a search, not a walk of the list.
inline CVolume* findOrInsertTrace(Scheme& scheme, CPoint* owner, CPoint* source) {
    ItemStepIndex& index = refreshIndex(owner);
    std::vector<CVolume*>& order = index.Order;
    const std::string& name = source->Name;
    const auto first = std::lower_bound(
        order.begin(), order.end(), name,
        [](const CVolume* v, const std::string& n) { return traceNameLess(v->Source->Name, n); });
    for (auto it = first; it != order.end() && !traceNameLess(name, (*it)->Source->Name); ++it)
        if ((*it)->Source == source)
            return *it;

    const std::size_t at = static_cast<std::size_t>(first - order.begin());
    CVolume* trace = scheme.addTraceAfter(owner, source, at ? order[at - 1] : nullptr);
    trace->StepStamp = scheme.StepCount;
    if (source == owner)
        index.OwnTrace = trace;
    const bool fromFlag = source->Type == TypeFlag;
    if (source == owner || fromFlag) {
        std::size_t passed = 0;
        for (std::size_t i = 0; i < at; ++i)
            passed += order[i]->Source == owner || index.OrderFromFlag[i];
        index.PassOn.insert(index.PassOn.begin() + static_cast<std::ptrdiff_t>(passed), trace);
    }
    order.insert(first, trace);
    index.OrderFromFlag.insert(index.OrderFromFlag.begin() + static_cast<std::ptrdiff_t>(at),
                               fromFlag);
    index.BuiltFor = owner->TraceListVersion;
    return trace;
}

// ItemList and LinkList as arrays, so that the phases can look ahead and prefetch.
inline void refreshLists(Scheme& scheme) {
    auto& lists = scheme.StepLists;
    if (lists.BuiltFor == scheme.StructureVersion)
        return;
    lists.Items.clear();
    lists.Links.clear();
    for (CPoint* item = scheme.ItemList; item; item = item->Next)
        lists.Items.push_back(item);
    for (CLink* link = scheme.LinkList; link; link = link->Next)
        lists.Links.push_back(link);
    lists.BuiltFor = scheme.StructureVersion;
}

// Phases, each over the whole scheme.
void spread(Scheme& scheme);
void combine(Scheme& scheme, CPoint* item, bool teach);

} // namespace lumeris::step
