// What a window asks the canvas to point out for a while: items ringed and links drawn
// emphasised (a loop, an item's causes and effects, the matches of a search). It belongs to
// the view, not to the scheme: it is never saved, and nothing else reads it.
#pragma once

#include "model/scheme.h"

#include <cstdint>
#include <vector>

namespace lumeris {

class Emphasis {
  public:
    // Shows these objects, which were in the scheme when its change stamp was `stamp`.
    void show(std::vector<const CPoint*> items, std::vector<const CLink*> links,
              std::uint64_t stamp);
    void clear() { items_.clear(), links_.clear(); }
    bool empty() const { return items_.empty() && links_.empty(); }

    // Drops the objects that have left the scheme since they were given. Call it before reading
    // them whenever the scheme may have changed; it costs a walk of the scheme only then.
    void dropGone(const Scheme& scheme);

    const std::vector<const CPoint*>& items() const { return items_; }
    const std::vector<const CLink*>& links() const { return links_; }

  private:
    std::vector<const CPoint*> items_;
    std::vector<const CLink*> links_;
    std::uint64_t stamp_ = 0;
};

} // namespace lumeris
