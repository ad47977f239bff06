// The large scheme the editing benchmarks work on: items scattered over 40,000 × 40,000 world
// units, every fourth one named, each the source of `linksPerItem` links to random items.
#pragma once

#include "model/scheme.h"

#include <random>
#include <vector>

inline void buildScatteredScheme(lumeris::Scheme& scheme, int items, int linksPerItem) {
    std::mt19937 rng(3);
    std::vector<lumeris::CPoint*> all;
    for (int i = 0; i < items; ++i)
        all.push_back(scheme.createItem(i % 4 ? "" : "name", int(rng() % 40000) - 20000,
                                        int(rng() % 40000) - 20000));
    for (lumeris::CPoint* p : all)
        for (int k = 0; k < linksPerItem; ++k)
            scheme.createLink(p, all[rng() % all.size()]);
}
