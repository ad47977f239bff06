// The traces the spread phase makes, held aside until they join their owners' lists.
#include "engine/trace_ops.h"

#include <algorithm>

namespace lumeris::step {

namespace {

// The first eight bytes of the name, zero-padded: where two keys differ they order the names
// as traceNameLess does, since a name that ends first is the smaller one.
std::uint64_t nameKey(const std::string& name) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < 8; ++i)
        key = key << 8 | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0u);
    return key;
}

std::size_t hashOf(std::uint32_t place, const CPoint* source) {
    const std::uint64_t h =
        (reinterpret_cast<std::uintptr_t>(source) ^ place) * 0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(h >> 20);
}

// The table entry of (place, source): the one holding it, or the free one where it goes.
std::uint32_t& entryOf(MadeTraces& made, std::uint32_t place, const CPoint* source) {
    const std::size_t mask = made.Table.size() - 1;
    for (std::size_t i = hashOf(place, source) & mask;; i = (i + 1) & mask) {
        std::uint32_t& entry = made.Table[i];
        if (entry == 0)
            return entry;
        const MadeTrace& t = made.Traces[entry - 1];
        if (t.Owner == place && t.Trace.Source == source)
            return entry;
    }
}

// Keeps the table at most half full.
void makeRoom(MadeTraces& made) {
    if (2 * (made.Traces.size() + 1) <= made.Table.size())
        return;
    made.Table.assign(std::max<std::size_t>(1024, 2 * made.Table.size()), 0);
    for (std::uint32_t k = 0; k < made.Traces.size(); ++k)
        entryOf(made, made.Traces[k].Owner, made.Traces[k].Trace.Source) = k + 1;
}

bool isSorted(const std::vector<CVolume>& traces) {
    for (std::size_t i = 1; i < traces.size(); ++i)
        if (traceNameLess(traces[i].Source->Name, traces[i - 1].Source->Name))
            return false;
    return true;
}

// Made one by one, each new trace goes before every trace whose name is not smaller; into a
// sorted list that places them in name order, a later one before an earlier one of the same
// name, and all of them before the list's own traces of that name.
bool goesBefore(const MadeTraces& made, const MadeOrder& a, const MadeOrder& b) {
    if (a.NameKey != b.NameKey)
        return a.NameKey < b.NameKey;
    const std::string& na = made.Traces[a.Made].Trace.Source->Name;
    const std::string& nb = made.Traces[b.Made].Trace.Source->Name;
    if (traceNameLess(na, nb))
        return true;
    return !traceNameLess(nb, na) && a.Made > b.Made;
}

// Merges the made traces into the sorted list from its end, which the new traces lengthened.
void mergeInto(MadeTraces& made, CPoint* owner, std::size_t old) {
    std::sort(made.Order.begin(), made.Order.end(),
              [&](const MadeOrder& a, const MadeOrder& b) { return goesBefore(made, a, b); });
    std::vector<CVolume>& traces = owner->Traces;
    std::size_t i = old, w = traces.size();
    for (std::size_t j = made.Order.size(); j > 0;) {
        MadeTrace& t = made.Traces[made.Order[j - 1].Made];
        if (i > 0 && !traceNameLess(traces[i - 1].Source->Name, t.Trace.Source->Name)) {
            traces[--w] = traces[--i];
        } else {
            traces[--w] = t.Trace;
            t.Slot = static_cast<std::uint32_t>(w);
            --j;
        }
    }
}

} // namespace

CVolume& madeTrace(StepCache& cache, std::uint32_t place, CPoint* source, std::uint32_t link,
                   std::uint32_t position) {
    MadeTraces& made = cache.Made;
    makeRoom(made);
    std::uint32_t& entry = entryOf(made, place, source);
    if (entry != 0)
        return made.Traces[entry - 1].Trace;
    const auto k = static_cast<std::uint32_t>(made.Traces.size());
    MadeTrace t{.Trace = {},
                .Owner = place,
                .Next = NoSlot,
                .Link = link,
                .Position = position,
                .Slot = NoSlot};
    t.Trace.Source = source;
    made.Traces.push_back(t);
    entry = k + 1;
    ItemSteps& index = cache.ItemIndex[place];
    if (index.LastMade == NoSlot)
        index.FirstMade = k;
    else
        made.Traces[index.LastMade].Next = k;
    index.LastMade = k;
    return made.Traces[k].Trace;
}

void putMadeTraces(Scheme& scheme, StepCache& cache, std::uint32_t place) {
    MadeTraces& made = cache.Made;
    ItemSteps& index = cache.ItemIndex[place];
    made.Order.clear();
    for (std::uint32_t k = index.FirstMade; k != NoSlot; k = made.Traces[k].Next)
        made.Order.push_back({nameKey(made.Traces[k].Trace.Source->Name), k});
    index.FirstMade = index.LastMade = NoSlot;
    CPoint* const owner = cache.Items[place];
    if (!isSorted(owner->Traces)) {
        // A renamed source has left the list out of order: each trace goes where it would
        // have gone when it was made.
        for (const MadeOrder& k : made.Order) {
            MadeTrace& t = made.Traces[k.Made];
            const std::size_t slot = insertionPoint(owner, t.Trace.Source);
            *scheme.addTraceAt(owner, t.Trace.Source, slot) = t.Trace;
            t.Slot = static_cast<std::uint32_t>(slot);
        }
        return;
    }
    const std::size_t old = owner->Traces.size();
    owner->Traces.reserve(old + made.Order.size());
    // Each joins at the end, where the scheme records whom its source reaches; the merge then
    // moves them where addTrace would have put them.
    for (const MadeOrder& k : made.Order)
        scheme.addTraceAt(owner, made.Traces[k.Made].Trace.Source, owner->Traces.size());
    mergeInto(made, owner, old);
}

void putAllMadeTraces(Scheme& scheme, StepCache& cache) {
    MadeTraces& made = cache.Made;
    if (made.Traces.empty())
        return;
    for (const MadeTrace& t : made.Traces)
        if (cache.ItemIndex[t.Owner].FirstMade != NoSlot)
            putMadeTraces(scheme, cache, t.Owner);
    // The links' hints, in link order, which is the order the traces were made in. (An owner
    // whose traces joined its list twice this step may have moved the first ones since.)
    for (const MadeTrace& t : made.Traces)
        rememberedSlot(cache, cache.LinkIndex[t.Link], t.Position) = t.Slot;
    made.Traces.clear();
    std::fill(made.Table.begin(), made.Table.end(), 0u);
}

} // namespace lumeris::step
