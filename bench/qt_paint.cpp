// Frames of the scene painter at 1920 x 1080 beside a floor measured in the same run: the
// same number of plain QPainter line segments, sprite blits and text labels on a
// Format_RGB32 QImage. An arrowhead counts as its four outline segments. A full frame follows
// a move of the view; a running frame follows a change of values only, as after a step; a
// tick is a propagation step and the running frame after it.
#include "engine/step.h"
#include "painted_nets.h"
#include "view/label_text.h"
#include "view/qt/scene_painter.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

using namespace lumeris;

namespace {

constexpr int Width = 1920, Height = 1080;

struct Work {
    std::vector<QLine> lines;
    std::vector<QPoint> sprites;
    std::vector<std::pair<QPoint, QString>> labels;
};

// The primitives the frame draws, with the painter's own rules for what is drawn.
Work frameWork(const World& world) {
    const ViewState& view = world.view;
    const double s = view.Scale;
    auto sx = [&](double x) { return int(-double(view.ScreenX) * s) + int(x * s); };
    auto sy = [&](double y) { return int(-double(view.ScreenY) * s) + int(y * s); };
    auto on = [&](double x, double y) {
        return x >= view.ScreenX && x <= view.ScreenX + view.CanvasWidth / s && y >= view.ScreenY &&
               y <= view.ScreenY + view.CanvasHeight / s;
    };
    const bool detailed = view.ZoomLevel > 3;
    Work work;
    for (const CLink* link = world.scheme.LinkList; link; link = link->Next) {
        const CPoint* p = link->From;
        const CPoint* q = link->To;
        const double mx = (2.0 * p->X + q->X) / 3, my = (2.0 * p->Y + q->Y) / 3;
        work.lines.emplace_back(sx(p->X), sy(p->Y), sx(mx), sy(my));
        work.lines.emplace_back(sx(mx), sy(my), sx(q->X), sy(q->Y));
        const int hx = int((2LL * p->X + q->X) / 3), hy = int((2LL * p->Y + q->Y) / 3);
        if (detailed && on(hx, hy))
            for (int i = 0; i < 4; ++i)
                work.lines.emplace_back(sx(hx) - 4, sy(hy) - 3 + 2 * i, sx(hx) + 3, sy(hy));
    }
    for (const CPoint* item = world.scheme.ItemList; item; item = item->Next)
        if (detailed && on(item->X, item->Y)) {
            work.sprites.emplace_back(sx(item->X) - 6, sy(item->Y) - 6);
            work.labels.emplace_back(QPoint(sx(item->X) + 8, sy(item->Y) - nameRise(view.Scale)),
                                     QString::fromStdString(item->Name));
        }
    return work;
}

template <class F> double millisecondsPerRun(F run, int runs) {
    run(); // warm up
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, spent.count());
    }
    return best;
}

double floorMilliseconds(const Work& work, const QImage& sprite, float scale, int runs) {
    QImage image(Width, Height, QImage::Format_RGB32);
    QImage transparentSprite = sprite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFont font("Arial Cyr");
    font.setPointSize(std::max(1, nameFontSize(scale)));
    return millisecondsPerRun(
        [&] {
            image.fill(Qt::white);
            QPainter p(&image);
            p.setPen(QColor(0xFF, 0xA0, 0xA0));
            p.drawLines(work.lines.data(), int(work.lines.size()));
            for (const QPoint& at : work.sprites)
                p.drawImage(at, transparentSprite);
            p.setFont(font);
            p.setPen(Qt::black);
            for (const auto& [at, text] : work.labels)
                p.drawText(at, text);
        },
        runs);
}

void measure(const char* name, void (*build)(Scheme&), int level, int runs, bool tick) {
    World world;
    build(world.scheme);
    world.view.ZoomLevel = level;
    world.view.Scale = float(1 << level) / 128;
    world.view.CanvasWidth = Width;
    world.view.CanvasHeight = Height;
    Surface surface;
    surface.resize(Width, Height);
    ScenePainter painter(world, surface);
    int side = 1;
    const double frame = millisecondsPerRun(
        [&] {
            world.view.ScreenX += side, side = -side;
            world.scheme.RedrawRequests = 1;
            painter.Repaint(false);
        },
        runs);
    std::mt19937 random(3);
    std::uniform_real_distribution<float> value(-1, 1);
    const double running = millisecondsPerRun(
        [&] {
            for (CPoint* p = world.scheme.ItemList; p; p = p->Next)
                p->Value = value(random);
            world.scheme.RedrawRequests = 1;
            painter.Repaint(false);
        },
        runs * 3);
    double tickMs = 0;
    if (tick)
        tickMs = millisecondsPerRun(
            [&] {
                world.scheme.SchemeChanged = true;
                propagationStep(world.scheme, world.eval, false, true);
                world.scheme.RedrawRequests = 1;
                painter.Repaint(false);
            },
            runs * 3);
    const Work work = frameWork(world);
    const double floor = floorMilliseconds(work, painter.sprites.iBall0, world.view.Scale, runs);
    std::printf("%-16s level %d  %7zu segments %6zu sprites %6zu labels   full frame %7.1f ms   "
                "floor %8.1f ms   ratio %.2f   running frame %6.1f ms",
                name, level, work.lines.size(), work.sprites.size(), work.labels.size(), frame,
                floor, frame / floor, running);
    if (tick)
        std::printf("   tick (step + running frame) %6.1f ms", tickMs);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QFont::insertSubstitutions("Arial Cyr", {"Arial", "Liberation Sans"});
    for (int level : {7, 3}) {
        measure(
            "layered 10x100", [](Scheme& s) { layeredNet(s, 10, 100); }, level, 5, false);
        measure(
            "layered 10x320", [](Scheme& s) { layeredNet(s, 10, 320); }, level, 2, false);
        measure("sparse 100000", sparseNet, level, 3, level == 7);
    }
    std::printf("targets: full frame ratio within 1.5; running frame within 25 ms (10x320), "
                "15 ms (10x100 level 7), 30 ms (sparse level 7); tick within 50 ms\n");
    return 0;
}
