// The chart window's redraw with 10 series of 1,000 steps: the series filled again from the
// trend and the chart painted into a picture of the window's size. Printed beside a floor
// measured in the same run: QPainter drawing the same 10 polylines into the same picture.
#include "silent_dialogs.h"
#include "trend/qt/value_chart.h"

#include <QApplication>
#include <QChart>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

using namespace lumeris;

namespace {

using Clock = std::chrono::steady_clock;

template <typename F> double bestMs(int rounds, F&& f) {
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        f();
        best =
            std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Scheme scheme;
    ValueTrend trend;
    std::vector<CPoint*> items;
    for (int i = 0; i < 10; ++i)
        items.push_back(scheme.createItem("item " + std::to_string(i), 0, 0));
    trend.restart(scheme);
    for (CPoint* item : items)
        trend.watch(item);
    for (int step = 1; step <= 1000; ++step) {
        for (int i = 0; i < 10; ++i)
            items[i]->Value = float(std::sin(step * 0.01 * (i + 1)));
        trend.record(scheme);
    }

    SilentDialogs dialogs;
    TfrmChart chart(scheme, trend, dialogs);
    chart.setFollowLast(false);
    chart.resize(640, 400);
    chart.show();
    QImage picture(chart.size(), QImage::Format_ARGB32_Premultiplied);
    const double redraw = bestMs(7, [&] {
        chart.refresh(true);
        picture.fill(Qt::white);
        chart.render(&picture);
    });

    std::vector<QPolygonF> lines(10);
    for (int i = 0; i < 10; ++i)
        for (int step = 0; step <= 1000; ++step)
            lines[i] << QPointF(step * 0.6, 200 + 150 * trend.value(std::size_t(i), step));
    const double floor = bestMs(7, [&] {
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        for (const QPolygonF& line : lines)
            painter.drawPolyline(line);
    });
    std::printf("chart redraw, 10 series of 1,000 steps, 640 x 400: %.2f ms (%.2f x the floor; "
                "target: well inside the 250 ms between redraws)\n",
                redraw, redraw / floor);
    std::printf("floor, QPainter drawing the 10 polylines: %.2f ms\n", floor);
    return 0;
}
