// The two large schemes the painting benchmarks draw: the network generator's layered net and
// a wide sparse grid of 100,000 items.
#pragma once

#include "model/scheme.h"

#include <random>
#include <string>
#include <vector>

namespace lumeris {

// The network generator's layered net: `rows` rows of `columns` items 64 units apart, row 1
// lowest, every item linked from every item of the row below; random values and
// coefficients.
inline void layeredNet(Scheme& scheme, int rows, int columns) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> hundredths(0, 200);
    auto value = [&] { return hundredths(random) / 100.0f - 1; };
    std::vector<CPoint*> below, row;
    for (int r = 1; r <= rows; ++r) {
        row.clear();
        for (int c = 1; c <= columns; ++c) {
            CPoint* item = scheme.createItem(
                "n[" + std::to_string(r) + "," + std::to_string(c) + "]", c * 64, 704 - r * 64);
            item->Value = value();
            row.push_back(item);
        }
        for (CPoint* to : row)
            for (CPoint* from : below)
                scheme.createLink(from, to)->Value = value();
        std::swap(below, row);
    }
}

// A wide grid of 100,000 items, each linked to its right, lower and lower-right neighbour.
inline void sparseNet(Scheme& scheme) {
    std::mt19937 random(2);
    std::uniform_real_distribution<float> value(-1, 1);
    const int columns = 400, rows = 250, spacing = 20;
    std::vector<CPoint*> grid(columns * rows);
    for (int i = 0; i < columns * rows; ++i) {
        grid[i] = scheme.createItem("s" + std::to_string(i), (i % columns) * spacing,
                                    (i / columns) * spacing);
        grid[i]->Value = value(random);
    }
    for (int i = 0; i < columns * rows; ++i) {
        const int x = i % columns, y = i / columns;
        CPoint* next[3] = {grid[y * columns + (x + 1) % columns],
                           grid[((y + 1) % rows) * columns + x],
                           grid[((y + 1) % rows) * columns + (x + 1) % columns]};
        for (CPoint* to : next)
            scheme.createLink(grid[i], to)->Value = value(random);
    }
}

} // namespace lumeris
