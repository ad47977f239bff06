// A fast-scroll pan step at 1920 x 1080: the core's pan with the picture on the screen
// shifted on the surface. It copies pixels, so it should cost the same for 10 items as for
// 100,000; the floor is one plain copy of the front image onto the back buffer.
#include "edit/canvas_gestures.h"
#include "platform/no_window.h"
#include "view/qt/surface.h"

#include <QGuiApplication>
#include <QPainter>

#include <chrono>
#include <cstdio>
#include <random>

using namespace lumeris;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Steps = 200;

struct SurfaceWindow : NoWindow {
    Surface& surface;
    explicit SurfaceWindow(Surface& s) : surface(s) {}
    bool surfaceCanDraw() override { return true; }
    void scrollPicture(int dx, int dy) override { surface.scrollFront(dx, dy); }
};

double millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double panStep(int items) {
    Scheme scheme;
    std::mt19937 rng(5);
    for (int i = 0; i < items; ++i)
        scheme.createItem("", int(rng() % 4000), int(rng() % 4000));
    Surface surface;
    surface.resize(1920, 1080);
    ViewState view;
    view.CanvasWidth = 1920;
    view.CanvasHeight = 1080;
    Interaction input;
    Document doc;
    SurfaceWindow window(surface);
    Editor editor{scheme, view, input, doc, window};
    PointerEvent event;
    event.x = event.y = 500;
    DXDraw1MouseDown(editor, event);
    const auto start = Clock::now();
    for (int i = 0; i < Steps; ++i) {
        event.x += i % 2 ? 3 : -3;
        event.y += i % 2 ? 2 : -2;
        input.PanSteps = 1; // no full repaint every fiftieth step here
        DXDraw1MouseMove(editor, event);
    }
    return millis(Clock::now() - start) / Steps;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QImage front(1920, 1080, QImage::Format_RGB32), back(1920, 1080, QImage::Format_RGB32);
    front.fill(Qt::white);
    const auto start = Clock::now();
    for (int i = 0; i < Steps; ++i) {
        QPainter painter(&back);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(i % 2 ? 3 : -3, 0, front);
    }
    const double floor = millis(Clock::now() - start) / Steps;
    const double few = panStep(10), many = panStep(100000);
    std::printf("fast-scroll pan step at 1920x1080: 10 items %.2f ms, 100,000 items %.2f ms "
                "(one image copy %.2f ms)\n",
                few, many, floor);
}
