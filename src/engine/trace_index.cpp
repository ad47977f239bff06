// Finding and making traces in an item's list, and the step's index of each list.
#include "engine/trace_ops.h"

#include <algorithm>

namespace lumeris::step {

namespace {

// Lists this long are searched by source name; shorter ones are walked.
constexpr std::size_t longList = 32;

const std::string& nameAt(const CPoint* owner, std::size_t slot) {
    return owner->Traces[slot].Source->Name;
}

// The first position whose source name is not less than the name.
std::size_t firstNotBelow(const CPoint* owner, const std::string& name) {
    const std::vector<CVolume>& traces = owner->Traces;
    const auto at = std::partition_point(traces.begin(), traces.end(), [&](const CVolume& v) {
        return traceNameLess(v.Source->Name, name);
    });
    return static_cast<std::size_t>(at - traces.begin());
}

} // namespace

// Where a new trace of source goes: before the first trace whose source name is greater or
// equal. A long list is sorted, so a binary search finds the same place as the walk.
std::size_t insertionPoint(const CPoint* owner, const CPoint* source) {
    const std::vector<CVolume>& traces = owner->Traces;
    if (traces.size() >= longList)
        return firstNotBelow(owner, source->Name);
    std::size_t position = 0;
    while (position < traces.size() && traceNameLess(nameAt(owner, position), source->Name))
        ++position;
    return position;
}

ItemSteps& rebuildIndex(StepCache& cache, std::uint32_t place) {
    ItemSteps& index = cache.ItemIndex[place];
    const CPoint* const item = cache.Items[place];
    index.OwnSlot = NoSlot;
    index.PassOn.clear();
    for (std::uint32_t i = 0; i < item->Traces.size(); ++i) {
        const CPoint* source = item->Traces[i].Source;
        if (source == item)
            index.OwnSlot = i;
        if (source == item || source->Type == TypeFlag)
            index.PassOn.push_back(i);
    }
    index.BuiltForSize = static_cast<std::uint32_t>(item->Traces.size());
    return index;
}

std::uint32_t findSlot(const CPoint* owner, const CPoint* source) {
    const std::vector<CVolume>& traces = owner->Traces;
    if (traces.size() >= longList) {
        for (std::size_t i = firstNotBelow(owner, source->Name);
             i < traces.size() && !traceNameLess(source->Name, nameAt(owner, i)); ++i)
            if (traces[i].Source == source)
                return static_cast<std::uint32_t>(i);
    }
    // A short list, or a long one that a renamed source has left out of order.
    for (std::size_t i = 0; i < traces.size(); ++i)
        if (traces[i].Source == source)
            return static_cast<std::uint32_t>(i);
    return NoSlot;
}

std::uint32_t findOrCreateSlot(Scheme& scheme, CPoint* owner, CPoint* source) {
    if (const std::uint32_t slot = findSlot(owner, source); slot != NoSlot)
        return slot;
    const std::size_t position = insertionPoint(owner, source);
    scheme.addTraceAt(owner, source, position);
    return static_cast<std::uint32_t>(position);
}

} // namespace lumeris::step
