// The combine phase for one item: new trace values, the item's result and teaching.
#include "engine/step.h"
#include "engine/trace_ops.h"

#include <cmath>

namespace lumeris::step {

namespace {

// What the trace loop leaves behind.
struct Combination {
    float minimum = 1.0f; // m
    float sum;            // s
    float lastTrace = 0;  // t of the last trace; the result of the Lisp import's items
    int count = 0;        // n
};

// The trace loop for one kind of accumulation, so that the loop does not branch on the type.
// The own trace and the traces of flags (the PassOn positions) are carried but never count
// as inputs.
template <Accumulation Kind>
Combination combineTraces(Scheme& scheme, CPoint* item, const ItemSteps& index) {
    const float andOr = item->AndOr;
    const float keep = 1.0f - andOr;
    Combination c{.sum = identityOf(Kind)};
    // Usually the own trace is the only one passed on; its place is known without the list.
    const std::uint32_t own[1] = {index.OwnSlot};
    const bool ownOnly = index.PassOn.size() == (index.OwnSlot != NoSlot ? 1u : 0u);
    const std::uint32_t* passOn = ownOnly ? own : index.PassOn.data();
    const std::uint32_t* const passOnEnd = passOn + index.PassOn.size();
    bool changed = false;
    const std::uint32_t count = static_cast<std::uint32_t>(item->Traces.size());
    for (std::uint32_t i = 0; i < count; ++i) {
        CVolume& v = item->Traces[i];
        const bool input = passOn == passOnEnd || *passOn != i;
        passOn += !input;
        if (input) {
            if constexpr (Kind == Accumulation::Largest)
                c.sum = v.Accum > c.sum ? v.Accum : c.sum;
            else if constexpr (Kind == Accumulation::Smallest)
                c.sum = v.Accum < c.sum ? v.Accum : c.sum;
            else if constexpr (Kind == Accumulation::Sum) {
                c.minimum = v.MinInput < c.minimum ? v.MinInput : c.minimum;
                c.sum = c.sum + v.Accum;
            }
        }
        float t;
        if constexpr (Kind == Accumulation::Largest || Kind == Accumulation::Smallest) {
            t = v.Accum >= 0.0f ? 1.0f : -1.0f;
        } else {
            v.Accum = clampUnit(v.Accum);
            t = keep * v.MinInput + andOr * v.Accum;
        }
        changed = changed || (v.Value != t && i != index.OwnSlot);
        v.Value = t;
        c.lastTrace = t;
    }
    c.count = static_cast<int>(count);
    if (changed)
        scheme.SchemeChanged = true;
    return c;
}

Combination combineTraces(Scheme& scheme, CPoint* item, const ItemSteps& index) {
    switch (accumulationOf(item)) {
    case Accumulation::Largest:
        return combineTraces<Accumulation::Largest>(scheme, item, index);
    case Accumulation::Smallest:
        return combineTraces<Accumulation::Smallest>(scheme, item, index);
    case Accumulation::Sum:
        return combineTraces<Accumulation::Sum>(scheme, item, index);
    default:
        return combineTraces<Accumulation::Nothing>(scheme, item, index);
    }
}

float resultOf(const CPoint* item, const Combination& c) {
    if (item->IsCust == 1)
        return item->Custom;
    switch (item->Type) {
    case TypeBoolean:
        return c.sum > 0.0f ? 1.0f : -1.0f;
    case TypeReal:
    case TypeFlag:
        return clampUnit((1.0f - item->AndOr) * c.minimum + item->AndOr * clampUnit(c.sum));
    case TypeFuzzy:
    case TypeProjection:
        return 0.0f;
    default:
        return c.lastTrace;
    }
}

// Moves each incoming coefficient toward the one that would have produced r from its
// source, and the source's value toward r. In place: items combined later see the change.
void teach(Scheme& scheme, CPoint* item, float r, int traceCount) {
    const float k = static_cast<float>(traceCount - 1);
    for (CLink* link = item->InLinks; link; link = link->NextIn) {
        CPoint* const from = link->From;
        float c = link->Value;
        if (std::fabs(from->Value) > 0.0001f)
            c = ((k - 1.0f) * c + (r / k) / from->Value) / k;
        scheme.setCoefficient(link, clampUnit(c));
        from->Value = (k * from->Value + r / k) / (k + 1.0f);
    }
}

} // namespace

void combine(Scheme& scheme, StepCache& cache, std::uint32_t place, bool teaching) {
    CPoint* const item = cache.Items[place];
    const ItemSteps& index = refreshIndex(cache, place);
    const Combination c = combineTraces(scheme, item, index);
    const float r = resultOf(item, c);
    if (teaching && c.count >= 2)
        teach(scheme, item, r, c.count);
    if (item->Value != r)
        scheme.SchemeChanged = true;
    item->Value = r;
    assignOwn(scheme, index, item, r);
}

} // namespace lumeris::step
