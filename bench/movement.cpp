// One movement step over 3,000 items and 10,000 links, against a floor measured in the same
// run: a bare O(n^2) single-precision repulsion loop over the same items held in arrays.
#include "view/movement.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

using namespace lumeris;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Items = 3000;
constexpr int Links = 10000;
constexpr int Rounds = 15;

void build(Scheme& scheme) {
    std::mt19937 rng(1);
    std::vector<CPoint*> items;
    for (int i = 0; i < Items; ++i) {
        CPoint* p = scheme.createItem("", static_cast<int>(rng() % 20000) - 10000,
                                      static_cast<int>(rng() % 20000) - 10000);
        p->Value = static_cast<float>(rng() % 201) / 100.0f - 1.0f;
        items.push_back(p);
    }
    for (int i = 0; i < Links; ++i)
        scheme.createLink(items[rng() % Items], items[rng() % Items]);
}

// The floor: the repulsion sum alone, over plain arrays, each item moved at once.
float repulsionFloor(std::vector<float>& x, std::vector<float>& y, const std::vector<float>& v,
                     float L, float n) {
    float total = 0;
    for (std::size_t p = 0; p < x.size(); ++p) {
        float fx = 0, fy = 0;
        for (std::size_t r = 0; r < x.size(); ++r) {
            if (r == p)
                continue;
            const float ex = x[r] + 0.0001f - x[p];
            const float ey = y[r] + 0.0001f - y[p];
            const float e = std::sqrt(ex * ex + ey * ey);
            const float push = 2.0f * L / e;
            const float M = (std::fabs(v[r] + v[p]) + 1.0f) * (push * push) / n;
            fx = fx - (x[r] - x[p]) * M;
            fy = fy - (y[r] - y[p]) * M;
        }
        x[p] += std::trunc(std::clamp(fx, -1e4f, 1e4f) / 3.0f);
        y[p] += std::trunc(std::clamp(fy, -1e4f, 1e4f) / 3.0f);
        total += fx;
    }
    return total;
}

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main() {
    Scheme scheme;
    build(scheme);
    std::vector<float> x, y, v;
    for (const CPoint* p = scheme.ItemList; p; p = p->Next) {
        x.push_back(static_cast<float>(p->X));
        y.push_back(static_cast<float>(p->Y));
        v.push_back(p->Value);
    }
    const float n = Items + 1;
    const float L = 1000.0f / std::sqrt(n + 10.0f) * 2.0f;

    MovementStep step;
    double best = 1e9, floor = 1e9;
    float sink = 0;
    for (int round = 0; round < Rounds; ++round) {
        const auto t0 = Clock::now();
        {
            BusyGuard frame(scheme);
            step.run(scheme, 1.0f, 1000);
        }
        const auto t1 = Clock::now();
        sink += repulsionFloor(x, y, v, L, n);
        const auto t2 = Clock::now();
        best = std::min(best, millis(t1 - t0));
        floor = std::min(floor, millis(t2 - t1));
    }
    std::printf("movement step, %d items, %d links: %.2f ms (target <= 50 ms)\n", Items, Links,
                best);
    std::printf("repulsion floor: %.2f ms; ratio %.2f (target <= 1.5)   [%g]\n", floor,
                best / floor, static_cast<double>(sink != 0));
    return 0;
}
