// The spread phase: every link adds the traces its From item passes on into its To item.
#include "engine/trace_ops.h"

#include <cmath>

namespace lumeris::step {

namespace {

bool isFlag(const CPoint* item) {
    return item->Type == TypeFlag;
}

// Resolves, for one link, the To item's trace of each source the link passes, in order.
// The link's cached entries make this a pointer check in the steady state; a miss searches
// the target's list.
class TargetSlots {
  public:
    TargetSlots(Scheme& scheme, CLink* link)
        : scheme_(scheme), index_(link->StepIndex), target_(link->To),
          selfLink_(link->From == link->To) {
        if (index_.DestroyEpoch != scheme.TracesDestroyed) {
            index_.First = nullptr;
            index_.Rest.clear();
            index_.DestroyEpoch = scheme.TracesDestroyed;
        }
    }

    CVolume* next(CPoint* source) {
        CVolume*& slot = position_ == 0 ? index_.First : restSlot(position_ - 1);
        ++position_;
        CVolume* trace = slot;
        if (!trace || trace->Source != source || trace->Owner != target_)
            slot = trace = search(source);
        previous_ = trace;
        return trace;
    }

    // The source at this position passes nothing this time; its entry is kept.
    void skip() { ++position_; }

  private:
    CVolume*& restSlot(std::size_t i) {
        if (i >= index_.Rest.size())
            index_.Rest.resize(i + 1, nullptr);
        return index_.Rest[i];
    }

    CVolume* search(CPoint* source) {
        // Both lists share one order, so the trace after the previous hit is the likely one.
        if (previous_ && previous_->Next && previous_->Next->Source == source)
            return previous_->Next;
        // A long list, or one that has grown a lot since its index was built, is searched
        // through its index, unless that index is the one the link is walking; a short list
        // is walked, which keeps the many small indexes of a sparse net from being reshaped.
        constexpr std::size_t longList = 32;
        const ItemStepIndex& index = target_->StepIndex;
        const bool useIndex = index.Order.size() >= longList ||
                              target_->TraceListVersion - index.BuiltFor >= longList;
        return useIndex && !selfLink_ ? findOrInsertTrace(scheme_, target_, source)
                                      : findOrCreateTrace(scheme_, target_, source);
    }

    Scheme& scheme_;
    LinkStepIndex& index_;
    CPoint* const target_;
    const bool selfLink_;
    CVolume* previous_ = nullptr;
    std::size_t position_ = 0;
};

void spreadLink(Scheme& scheme, CLink* link) {
    CPoint* const from = link->From;
    CPoint* const to = link->To;
    const float c = link->Value;
    TargetSlots targets(scheme, link);

    const ItemStepIndex& index = refreshIndex(from);

    // A fuzzy target with a fixed value takes the bare coefficient from every source.
    if (to->Type == TypeFuzzy && to->IsCust == 1) {
        for (CVolume* v : index.Order)
            accumulate(scheme, to, targets.next(v->Source), c);
        return;
    }
    // A fuzzy item passes on every trace it holds.
    if (from->Type == TypeFuzzy) {
        for (std::size_t i = 0; i < index.Order.size(); ++i) {
            CVolume* const v = index.Order[i];
            const float x = index.OrderFromFlag[i] ? std::fabs(v->Value) * c : v->Value * c;
            accumulate(scheme, to, targets.next(v->Source), x);
        }
        return;
    }
    // Any other item passes on its own value and the magnitudes of flag traces; no other
    // trace can pass, so they are not visited.
    for (CVolume* v : index.PassOn) {
        if (v->Source != from || isFlag(from)) {
            accumulate(scheme, to, targets.next(v->Source), std::fabs(v->Value) * c);
            continue;
        }
        const float x = v->Value * c;
        if (x == 0.0f && to->AndOr > 0.5f) {
            targets.skip();
            continue;
        }
        accumulate(scheme, to, targets.next(v->Source), x);
    }
}

} // namespace

void spread(Scheme& scheme) {
    // The links and their targets lie scattered in memory: fetch them ahead of use.
    // A link's ends and its step index lie on different cache lines; both are needed.
    constexpr std::size_t nodeAhead = 16, targetAhead = 8;
    const std::vector<CLink*>& links = scheme.StepLists.Links;
    const std::size_t count = links.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + nodeAhead < count) {
            __builtin_prefetch(links[i + nodeAhead]);
            __builtin_prefetch(&links[i + nodeAhead]->StepIndex);
        }
        if (i + targetAhead < count) {
            __builtin_prefetch(links[i + targetAhead]->StepIndex.First, 1);
            __builtin_prefetch(links[i + targetAhead]->To);
        }
        spreadLink(scheme, links[i]);
    }
}

} // namespace lumeris::step
