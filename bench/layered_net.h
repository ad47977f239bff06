// The layered net the step benchmarks share: `rows` rows of `cols` real items, every item
// linked to every item of the row above with a small random coefficient, the first row fixed
// at random values.
#pragma once

#include "model/scheme.h"

#include <cstdio>
#include <random>
#include <vector>

inline void layeredNet(lumeris::Scheme& s, int rows, int cols, std::mt19937& rng) {
    std::uniform_real_distribution<float> coefficient(-0.01f, 0.01f), value(-1.0f, 1.0f);
    std::vector<lumeris::CPoint*> previous, current;
    for (int r = 0; r < rows; ++r) {
        current.clear();
        for (int c = 0; c < cols; ++c) {
            char name[32];
            std::snprintf(name, sizeof name, "n%d_%d", r, c);
            lumeris::CPoint* p = s.createItem(name, c, r);
            if (r == 0) {
                p->IsCust = 1;
                p->Custom = value(rng);
            }
            current.push_back(p);
        }
        for (lumeris::CPoint* from : previous)
            for (lumeris::CPoint* to : current)
                s.createLink(from, to)->Value = coefficient(rng);
        previous.swap(current);
    }
}
