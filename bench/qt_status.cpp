// The status bar's cost per run-timer tick on the sparse 100,000-item scheme, beside a tick
// without it. The bar looks at its counters every 250 ms, that is once in five ticks, and a
// look that finds every figure changed rewrites all its fields; the tick is one propagation
// step of the same scheme.
#include "app/status_line.h"
#include "engine/step.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

using namespace lumeris;

namespace {

double cpuMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <class F> double medianMs(int runs, F&& f) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = cpuMs();
        f();
        times.push_back(cpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// 100,000 items, one in ten with a fixed value, each with three links to random items.
void sparseNet(Scheme& s) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> coefficient(-0.5f, 0.5f), value(-1.0f, 1.0f);
    std::vector<CPoint*> all;
    for (int i = 0; i < 100000; ++i) {
        CPoint* p = s.createItem("s" + std::to_string(i), i, 0);
        if (i % 10 == 0) {
            p->IsCust = 1;
            p->Custom = value(rng);
        }
        all.push_back(p);
    }
    std::uniform_int_distribution<int> pick(0, 99999);
    for (CPoint* from : all)
        for (int k = 0; k < 3; ++k)
            s.createLink(from, all[pick(rng)])->Value = coefficient(rng);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    World world;
    sparseNet(world.scheme);
    world.doc.FileName = "/tmp/sparse.txt";
    world.scheme.Hovered = {world.scheme.ItemList, nullptr};
    world.scheme.HoverKind = HoverItem;
    StatusLine status(world, nullptr);

    const auto tick = [&world] {
        world.scheme.SchemeChanged = true;
        propagationStep(world.scheme, world.eval, false, true);
    };
    tick(); // the traces are made once
    const double step = medianMs(15, tick);
    // Every figure changes between looks: the dearest look there is.
    const double look = medianMs(15, [&] {
        world.eval.Running = !world.eval.Running;
        world.scheme.Hovered.item->Value = -world.scheme.Hovered.item->Value + 0.5f;
        ++world.eval.StepsRun;
        status.refresh();
    });
    const double still = medianMs(15, [&] { status.refresh(); });
    std::printf("tick (one step of sparse 100000 x 3): %.3f ms\n", step);
    std::printf("status bar look, all figures changed: %.4f ms; nothing changed: %.4f ms\n", look,
                still);
    std::printf("status bar per tick (one look in five ticks): %.4f ms, %.3f%% of the tick\n",
                look / 5, 100 * look / 5 / step);
    std::printf("target: no measurable share of the tick (under 1%%)\n");
}
