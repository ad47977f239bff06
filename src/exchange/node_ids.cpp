#include "exchange/node_ids.h"

#include <unordered_set>

namespace lumeris {

std::unordered_map<const CPoint*, std::string> exportNodeIds(const Scheme& scheme) {
    std::unordered_map<const CPoint*, std::string> ids;
    std::unordered_set<std::string> taken;
    ids.reserve(static_cast<std::size_t>(scheme.ItemCount));
    taken.reserve(static_cast<std::size_t>(scheme.ItemCount));
    for (const CPoint* item = scheme.ItemTail; item; item = item->Prev) {
        const std::string base = "n" + std::to_string(item->id);
        std::string id = base;
        for (int copy = 2; !taken.insert(id).second; ++copy)
            id = base + "_" + std::to_string(copy);
        ids.emplace(item, std::move(id));
    }
    return ids;
}

} // namespace lumeris
