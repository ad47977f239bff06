// A snapshot of the scheme's link graph: the items numbered as vertices, and one arc per ordered
// pair of items that links join. The searches run on the snapshot, so that they can run off the
// user-interface thread while the scheme goes on changing; the item and link pointers are kept
// only to find the objects again, and are never read through by the searches.
#pragma once

#include "model/scheme.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lumeris {

struct LinkArc {
    int to;             // the target vertex
    double coefficient; // the sum of the coefficients of the links joining the two items
    int firstLink;      // the arc's links: LinkGraph::links[firstLink, firstLink + linkCount)
    int linkCount;
};

struct LinkGraph {
    // Per vertex, oldest item first.
    std::vector<const CPoint*> items;
    std::vector<std::int32_t> ids;
    std::vector<std::string> names;
    std::vector<std::vector<LinkArc>> out; // sorted by target
    std::vector<std::vector<int>> in;      // the sources of the arcs into each vertex
    std::vector<const CLink*> links;       // grouped by arc, oldest first within one
    std::uint64_t stamp = 0;               // the scheme's change stamp when it was taken

    int size() const { return int(items.size()); }
    // The vertex of an item of the scheme the snapshot was taken from; -1 when it is not there.
    int vertexOf(const CPoint* item) const;
    // The arc from one vertex to another, or null.
    const LinkArc* arc(int from, int to) const;
    std::span<const CLink* const> linksOf(const LinkArc& arc) const {
        return {links.data() + arc.firstLink, std::size_t(arc.linkCount)};
    }
};

LinkGraph takeLinkGraph(const Scheme& scheme);

} // namespace lumeris
