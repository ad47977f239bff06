// The trace lists of items and the index of traces by source.
#include "scheme.h"

#include <algorithm>
#include <cstring>

namespace lumeris {

bool traceNameLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    return c < 0 || (c == 0 && a.size() < b.size());
}

CVolume* Scheme::findTrace(CPoint* owner, const CPoint* source) const {
    for (CVolume* v = owner->Traces; v; v = v->Next)
        if (v->Source == source)
            return v;
    return nullptr;
}

CVolume* Scheme::addTrace(CPoint* owner, CPoint* source) {
    CVolume* after = nullptr;
    for (CVolume* v = owner->Traces; v && traceNameLess(v->Source->Name, source->Name); v = v->Next)
        after = v;
    return addTraceAfter(owner, source, after);
}

CVolume* Scheme::addTraceAfter(CPoint* owner, CPoint* source, CVolume* after) {
    CVolume* trace = new CVolume;
    trace->Source = source;
    trace->Owner = owner;

    CVolume* const before = after ? after->Next : owner->Traces;
    trace->Prev = after;
    trace->Next = before;
    (after ? after->Next : owner->Traces) = trace;
    if (before)
        before->Prev = trace;

    ++owner->TraceListVersion;

    trace->SourceNext = source->SourcedTraces;
    if (source->SourcedTraces)
        source->SourcedTraces->SourcePrev = trace;
    source->SourcedTraces = trace;
    return trace;
}

void Scheme::destroyTrace(CVolume* trace) {
    (trace->Prev ? trace->Prev->Next : trace->Owner->Traces) = trace->Next;
    if (trace->Next)
        trace->Next->Prev = trace->Prev;
    (trace->SourcePrev ? trace->SourcePrev->SourceNext : trace->Source->SourcedTraces) =
        trace->SourceNext;
    if (trace->SourceNext)
        trace->SourceNext->SourcePrev = trace->SourcePrev;
    ++trace->Owner->TraceListVersion;
    ++TracesDestroyed;
    delete trace;
}

} // namespace lumeris
