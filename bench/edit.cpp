// The canvas's gestures on a large scheme, each beside a floor measured in the same run:
// - hover detection (the link, item and label hit tests) on a pointer move over 100,000 items
//   and 300,000 links, against a bare loop over the same items and handles that converts the
//   same points and computes the same distances; allocations per move are counted;
// - one drag event of a band-chosen group of 10,000 items in that scheme.
#include "allocation_count.h"
#include "edit/canvas_gestures.h"
#include "platform/no_window.h"
#include "scattered_scheme.h"
#include "view/transform.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

using namespace lumeris;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Items = 100000;
constexpr int LinksPerItem = 3;
constexpr int GroupSize = 10000;
constexpr int Moves = 40;

// Counts as drawable, so that pans take the fast path as on a real canvas.
struct DrawableWindow : NoWindow {
    bool surfaceCanDraw() override { return true; }
};

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

float distance(const ViewState& view, float wx, float wy, int x, int y) {
    const double dx = ToScreenX(view, wx) + 0.1 - x, dy = ToScreenY(view, wy) + 0.1 - y;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

// The floor: the same conversions and distances over plain arrays.
float bareLoop(const ViewState& view, const std::vector<float>& items,
               const std::vector<float>& handles, int x, int y) {
    float best = 1e10f;
    for (std::size_t i = 0; i < items.size(); i += 2)
        best = std::min(best, distance(view, items[i], items[i + 1], x, y));
    for (std::size_t i = 0; i < handles.size(); i += 2)
        best = std::min(best, distance(view, handles[i], handles[i + 1], x, y));
    for (std::size_t i = 0; i < items.size(); i += 2) // the label boxes' corners
        best = std::min(best, float(ToScreenX(view, items[i]) + ToScreenY(view, items[i + 1])));
    return best;
}

} // namespace

int main() {
    Scheme scheme;
    buildScatteredScheme(scheme, Items, LinksPerItem);
    ViewState view;
    view.CanvasWidth = 1920;
    view.CanvasHeight = 1080;
    view.Scale = 1.0f / 32;
    view.ScreenX = -20000;
    view.ScreenY = -20000;
    view.NameSampleWidth = 70;
    Interaction input;
    Document doc;
    DrawableWindow window;
    Editor editor{scheme, view, input, doc, window};

    std::vector<float> items, handles;
    for (CPoint* p = scheme.ItemList; p; p = p->Next) {
        items.insert(items.end(), {float(p->X), float(p->Y)});
        for (CLink* l = p->OutLinks; l; l = l->NextOut)
            handles.insert(handles.end(), {float((2 * l->From->X + l->To->X) / 3),
                                           float((2 * l->From->Y + l->To->Y) / 3)});
    }

    // The best of several rounds, hover and floor taking turns: the machine may be shared.
    PointerEvent move;
    float sink = 0;
    double hover = 1e9, floor = 1e9;
    long allocated = 0;
    for (int round = 0; round < 5; ++round) {
        const long before = allocations;
        auto start = Clock::now();
        for (int i = 0; i < Moves; ++i) {
            move.x = 37 * i % 1200;
            move.y = 23 * i % 1000;
            DXDraw1MouseMove(editor, move);
        }
        hover = std::min(hover, millis(Clock::now() - start) / Moves);
        allocated += allocations - before;
        start = Clock::now();
        for (int i = 0; i < Moves; ++i)
            sink += bareLoop(view, items, handles, 37 * i % 1200, 23 * i % 1000);
        floor = std::min(floor, millis(Clock::now() - start) / Moves);
    }
    std::printf("hover move, %d items, %d links: %.2f ms (bare loop %.2f ms, %.2fx), "
                "%ld allocations in %d moves\n",
                Items, Items * LinksPerItem, hover, floor, hover / floor, allocated, 5 * Moves);

    int chosen = 0;
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        p->Mark = chosen < GroupSize && p->X < 0 && p->Y < 0 ? (++chosen, 2) : 0;
    CPoint* anchor = scheme.ItemList;
    while (anchor->Mark != 2)
        anchor = anchor->Next;
    scheme.EditState = EditGroupChosen;
    scheme.Hovered = {anchor, nullptr};
    scheme.MouseButtonState = ButtonLeft;
    const auto start = Clock::now();
    for (int i = 0; i < Moves; ++i) {
        move.x = 400 + 3 * i;
        move.y = 300 + 2 * i;
        DXDraw1MouseMove(editor, move);
    }
    const double drag = millis(Clock::now() - start) / Moves;
    std::printf("group drag event, %d of %d items: %.2f ms (target 20 ms)\n", chosen, Items, drag);
    return sink == 12345.0f;
}
