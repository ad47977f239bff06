// The combine phase for one item: new trace values, the item's result and teaching.
#include "engine/step.h"
#include "engine/trace_ops.h"

#include <cmath>

namespace lumeris::step {

namespace {

bool sumsInputs(const CPoint* item) {
    return item->Type == TypeReal || item->Type == TypeFlag || item->Type == TypeFuzzy;
}

// What the trace loop leaves behind.
struct Combination {
    float minimum = 1.0f; // m
    float sum;            // s
    float lastTrace = 0;  // t of the last trace; the result of the Lisp import's items
    int count = 0;        // n
};

Combination combineTraces(Scheme& scheme, CPoint* item) {
    const bool boolean = item->Type == TypeBoolean;
    const bool orItem = isBooleanOr(item);
    const float andOr = item->AndOr;
    Combination c{.sum = identityOf(item)};
    const ItemStepIndex& index = refreshIndex(item);
    const std::vector<CVolume*>& traces = index.Order;
    const std::size_t count = traces.size();
    for (std::size_t i = 0; i < count; ++i) {
        // Traces lie scattered in memory: fetch them ahead of use.
        if (i + 8 < count)
            __builtin_prefetch(traces[i + 8], 1);
        CVolume* const v = traces[i];
        touch(scheme, v, item);
        ++c.count;
        const bool own = v->Source == item;
        // The own trace and the traces of flags are carried but never count as inputs.
        if (!own && !index.OrderFromFlag[i]) {
            if (boolean) {
                if (orItem)
                    c.sum = v->Accum > c.sum ? v->Accum : c.sum;
                else
                    c.sum = v->Accum < c.sum ? v->Accum : c.sum;
            } else if (sumsInputs(item)) {
                c.minimum = v->MinInput < c.minimum ? v->MinInput : c.minimum;
                c.sum = c.sum + v->Accum;
            }
        }
        float t;
        if (boolean) {
            t = v->Accum >= 0.0f ? 1.0f : -1.0f;
        } else {
            v->Accum = clampUnit(v->Accum);
            t = (1.0f - andOr) * v->MinInput + andOr * v->Accum;
        }
        if (v->Value != t && !own)
            scheme.SchemeChanged = true;
        v->Value = t;
        c.lastTrace = t;
    }
    return c;
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
void teach(CPoint* item, float r, int traceCount) {
    const float k = static_cast<float>(traceCount - 1);
    for (CLink* link = item->InLinks; link; link = link->NextIn) {
        CPoint* const from = link->From;
        if (std::fabs(from->Value) > 0.0001f)
            link->Value = ((k - 1.0f) * link->Value + (r / k) / from->Value) / k;
        link->Value = clampUnit(link->Value);
        from->Value = (k * from->Value + r / k) / (k + 1.0f);
    }
}

} // namespace

void combine(Scheme& scheme, CPoint* item, bool teaching) {
    const Combination c = combineTraces(scheme, item);
    const float r = resultOf(item, c);
    if (teaching && c.count >= 2)
        teach(item, r, c.count);
    if (item->Value != r)
        scheme.SchemeChanged = true;
    item->Value = r;
    assign(scheme, item, item, r);
}

} // namespace lumeris::step
