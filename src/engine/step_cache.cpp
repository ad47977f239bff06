// Rebuilding the step's record after the scheme has changed.
#include "engine/trace_ops.h"

#include <unordered_map>

namespace lumeris::step {

namespace {

// The place of each item in the record's item list. ItemList runs from the largest Seq down,
// so while the items' Seqs are dense a table indexed by Seq finds it in one read.
class Places {
  public:
    explicit Places(const std::vector<CPoint*>& items) {
        if (items.empty())
            return;
        head_ = items.front()->Seq;
        const std::uint64_t span = head_ - items.back()->Seq + 1;
        if (span <= 4 * items.size() + 64) {
            table_.assign(span, NoSlot);
            for (std::size_t i = 0; i < items.size(); ++i)
                table_[head_ - items[i]->Seq] = static_cast<std::uint32_t>(i);
        } else {
            map_.reserve(items.size());
            for (std::size_t i = 0; i < items.size(); ++i)
                map_.emplace(items[i], static_cast<std::uint32_t>(i));
        }
    }

    std::uint32_t of(const CPoint* item) const {
        return table_.empty() ? map_.at(item) : table_[head_ - item->Seq];
    }

  private:
    std::uint64_t head_ = 0;
    std::vector<std::uint32_t> table_;
    std::unordered_map<const CPoint*, std::uint32_t> map_;
};

// Keeps the old record's slot hints for the links that are still where they were, counted
// from the oldest: new links join at the head, so most edits leave the rest in line.
void carryHints(StepCache& cache, const std::vector<CLink*>& oldLinks,
                const std::vector<LinkSteps>& oldIndex,
                std::vector<std::vector<std::uint32_t>>& oldRests) {
    const std::size_t n = cache.Links.size(), m = oldLinks.size();
    for (std::size_t k = 0; k < n && k < m; ++k) {
        if (cache.Links[n - 1 - k] != oldLinks[m - 1 - k])
            break;
        const LinkSteps& old = oldIndex[m - 1 - k];
        LinkSteps& now = cache.LinkIndex[n - 1 - k];
        now.First = old.First;
        if (old.Rest != NoSlot) {
            now.Rest = static_cast<std::uint32_t>(cache.Rests.size());
            cache.Rests.push_back(std::move(oldRests[old.Rest]));
        }
    }
}

} // namespace

void refreshCache(StepCache& cache, const Scheme& scheme) {
    if (cache.For == &scheme && cache.Stamp == scheme.changeStamp())
        return;
    std::vector<CLink*> oldLinks;
    std::vector<LinkSteps> oldIndex;
    std::vector<std::vector<std::uint32_t>> oldRests;
    if (cache.For == &scheme) {
        oldLinks.swap(cache.Links);
        oldIndex.swap(cache.LinkIndex);
        oldRests.swap(cache.Rests);
    }
    cache.Items.clear();
    cache.Links.clear();
    cache.LinkIndex.clear();
    cache.Rests.clear();
    // Growing these lists step by step would copy them, and fault in fresh memory, many times.
    cache.Items.reserve(static_cast<std::size_t>(scheme.ItemCount));
    cache.Links.reserve(static_cast<std::size_t>(scheme.LinkCount));
    cache.LinkIndex.reserve(static_cast<std::size_t>(scheme.LinkCount));
    for (CPoint* item = scheme.ItemList; item; item = item->Next)
        cache.Items.push_back(item);
    // Any item's type may have changed, and with it which traces every item passes on.
    cache.ItemIndex.assign(cache.Items.size(), ItemSteps{});
    const Places places(cache.Items);
    // One walk over the links, which lie scattered in memory.
    for (CLink* link = scheme.LinkList; link; link = link->Next) {
        cache.Links.push_back(link);
        cache.LinkIndex.push_back({places.of(link->From), places.of(link->To), link->Value});
    }
    carryHints(cache, oldLinks, oldIndex, oldRests);
    cache.For = &scheme;
    cache.Stamp = scheme.changeStamp();
    cache.PlanBuilt = false;
    cache.Steady = false;
}

void reloadCoefficients(StepCache& cache) {
    for (std::size_t i = 0; i < cache.Links.size(); ++i)
        cache.LinkIndex[i].Coefficient = cache.Links[i]->Value;
}

} // namespace lumeris::step
