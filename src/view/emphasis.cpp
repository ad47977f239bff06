#include "view/emphasis.h"

#include <algorithm>
#include <unordered_set>

namespace lumeris {

namespace {

// Keeps those of `objects` found on the chain from `head`. Only the chain's objects are
// dereferenced: the others may have been freed.
template <class T> void keepOnChain(std::vector<const T*>& objects, const T* head) {
    if (objects.empty())
        return;
    const std::unordered_set<const T*> wanted(objects.begin(), objects.end());
    std::unordered_set<const T*> found;
    for (const T* o = head; o; o = o->Next)
        if (wanted.contains(o))
            found.insert(o);
    std::erase_if(objects, [&](const T* o) { return !found.contains(o); });
}

} // namespace

void Emphasis::show(std::vector<const CPoint*> items, std::vector<const CLink*> links,
                    std::uint64_t stamp) {
    items_ = std::move(items);
    links_ = std::move(links);
    stamp_ = stamp;
}

void Emphasis::dropGone(const Scheme& scheme) {
    if (stamp_ == scheme.changeStamp())
        return;
    keepOnChain(items_, static_cast<const CPoint*>(scheme.ItemList));
    keepOnChain(links_, static_cast<const CLink*>(scheme.LinkList));
    stamp_ = scheme.changeStamp();
}

} // namespace lumeris
