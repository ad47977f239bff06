// The feedback loops of a scheme: its elementary circuits (each item at most once; a link from
// an item to itself is a loop of length 1), with parallel links counted once.
#pragma once

#include "loops/link_graph.h"

#include <atomic>
#include <cstddef>
#include <vector>

namespace lumeris {

enum class Polarity : char { Reinforcing = 'R', Balancing = 'B', Zero = '0' };

struct Loop {
    std::vector<int> members; // vertices in link direction, from the one with the smallest id
    Polarity polarity;
};

struct LoopLimits {
    // The search stops once it has met this many loops, listed or too long.
    std::size_t limit = 10000;
    // Longer loops are met but not listed; 0 lists every length.
    std::size_t maxLength = 0;
};

struct LoopList {
    std::vector<Loop> loops; // by length, then by their members' ids
    bool incomplete = false; // the limit or a stop cut the search
    bool stopped = false;    // the stop flag cut it
};

// Every loop of the graph, or with `through` (a vertex) only the loops through that vertex.
// Setting `stop` from another thread ends the search soon after, with what it found so far.
LoopList findLoops(const LinkGraph& graph, const LoopLimits& limits, int through = -1,
                   const std::atomic<bool>* stop = nullptr);

// The sign of the product, along the loop, of the coefficients from each member to the next.
Polarity loopPolarity(const LinkGraph& graph, const std::vector<int>& members);

} // namespace lumeris
