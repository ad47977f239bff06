// The emphasis a window asks for: its links drawn broad in orange under the items, its items
// ringed in orange over them. Hidden items and their links are pointed out too: a loop or a
// cause is one whether it shows or not.
#include "view/qt/layers.h"

namespace lumeris {

namespace {

constexpr QRgb Orange = qRgb(0xFF, 0x8C, 0x00);

} // namespace

void paintEmphasisLinks(PaintFrame& frame, const Emphasis& emphasis) {
    for (const CLink* link : emphasis.links()) {
        const ScreenPoint p = frame.screenOf(link->From), q = frame.screenOf(link->To);
        frame.shapes.thickLine(p.x, p.y, q.x, q.y, Orange);
        frame.shapes.thickLine(p.x + 1, p.y + 1, q.x + 1, q.y + 1, Orange);
        if (frame.view.ZoomLevel <= 3)
            continue;
        const WorldPoint h = linkHandle(link);
        const ScreenPoint a{frame.toScreenX(float(h.x)), frame.toScreenY(float(h.y))};
        frame.arrowhead(a, link, LargeArrow, Orange, &Orange);
    }
}

void paintEmphasisRings(PaintFrame& frame, const Emphasis& emphasis) {
    for (const CPoint* item : emphasis.items()) {
        if (!frame.isOnScreen(item))
            continue;
        const ScreenPoint s = frame.screenOf(item);
        frame.ellipse(s.x - 11, s.y - 11, s.x + 12, s.y + 12, Orange);
        frame.ellipse(s.x - 12, s.y - 12, s.x + 13, s.y + 13, Orange);
    }
}

} // namespace lumeris
