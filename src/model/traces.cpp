// The trace lists of items and the index of the items each source has reached.
#include "scheme.h"

#include <algorithm>
#include <cstring>

namespace lumeris {

namespace {

void forgetReached(CPoint* source, const CPoint* owner) {
    auto& reached = source->ReachedItems;
    const auto at = std::find(reached.begin(), reached.end(), owner);
    *at = reached.back();
    reached.pop_back();
}

} // namespace

bool traceNameLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    return c < 0 || (c == 0 && a.size() < b.size());
}

CVolume* Scheme::findTrace(CPoint* owner, const CPoint* source) const {
    for (CVolume& v : owner->Traces)
        if (v.Source == source)
            return &v;
    return nullptr;
}

CVolume* Scheme::addTrace(CPoint* owner, CPoint* source) {
    std::size_t position = 0;
    while (position < owner->Traces.size() &&
           traceNameLess(owner->Traces[position].Source->Name, source->Name))
        ++position;
    return addTraceAt(owner, source, position);
}

CVolume* Scheme::addTraceAt(CPoint* owner, CPoint* source, std::size_t position) {
    CVolume trace;
    trace.Source = source;
    const auto at =
        owner->Traces.insert(owner->Traces.begin() + static_cast<std::ptrdiff_t>(position), trace);
    source->ReachedItems.push_back(owner);
    changed();
    return &*at;
}

void Scheme::destroyTracesOf(CPoint* item) {
    for (const CVolume& v : item->Traces)
        if (v.Source != item)
            forgetReached(v.Source, item);
    item->Traces.clear();
    for (CPoint* owner : item->ReachedItems) {
        if (owner == item)
            continue;
        auto& traces = owner->Traces;
        traces.erase(std::find_if(traces.begin(), traces.end(),
                                  [item](const CVolume& v) { return v.Source == item; }));
    }
    item->ReachedItems.clear();
    changed();
}

} // namespace lumeris
