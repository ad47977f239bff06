// The link layer: every visible link's two-tone line, then the highlights, arrowheads and
// labels of the links that take part in the second pass.
#include "view/label_text.h"
#include "view/qt/layers.h"
#include "view/transform.h"

#include <QLocale>
#include <cmath>

namespace lumeris {
namespace {

bool visibleItem(const CPoint* item) {
    return item && item->Vis;
}

// The link is the selected one or the hovered one.
bool isLinkInFocus(const Scheme& scheme, const CLink* link) {
    return (scheme.EditState == EditLinkSelected && scheme.Selected.link == link) ||
           (scheme.HoverKind == HoverLink && scheme.Hovered.link == link);
}

void paintLine(PaintFrame& frame, const CLink* link) {
    const CPoint* from = link->From;
    const CPoint* to = link->To;
    if (isLisp(from)) {
        const ScreenPoint p = frame.screenOf(from), q = frame.screenOf(to);
        frame.shapes.line(p.x, p.y, q.x, q.y, qRgb(0x80, 0x80, 0xC0));
        return;
    }
    // Exact and saturating: a file may hold any coefficient.
    const int shade = truncToInt(230 - 70 * std::fabs(static_cast<long double>(link->Value)));
    frame.twoToneLine(shade, 255, float(from->X), float(from->Y), float(to->X), float(to->Y));
}

// Whether a link with a hidden end still touches the selection or the hovered object.
bool touchesFocus(const Scheme& scheme, const CLink* link) {
    const CPoint* selected = selectedItem(scheme);
    const CPoint* hovered = hoveredItem(scheme);
    auto isEnd = [link](const CPoint* item) {
        return visibleItem(item) && (item == link->From || item == link->To);
    };
    return isEnd(selected) || isEnd(hovered) || isLinkInFocus(scheme, link);
}

// The arrow colour, drawing the highlight line that goes with it first.
QRgb arrowColour(PaintFrame& frame, const CLink* link) {
    const CPoint* selected = selectedItem(frame.scheme);
    const CPoint* hovered = hoveredItem(frame.scheme);
    const CPoint* to = link->To;
    const CPoint* from = link->From;
    if (to == selected || to == hovered || isLinkInFocus(frame.scheme, link)) {
        frame.thickLine(qRgb(0x60, 0x60, 0xF0), from, to);
        return link->Value > 0 ? qRgb(0, 0, 0xFF) : qRgb(0xFF, 0, 0);
    }
    if (from == selected || from == hovered) {
        frame.thickLine(qRgb(0xF0, 0x60, 0x60), from, to);
        return link->Value >= 0 ? qRgb(0xFF, 0, 0) : qRgb(0, 0, 0xFF);
    }
    if (startsWithStar(to->Name))
        return qRgb(0xE8, 0xE8, 0xE8);
    const int g = truncToInt(250 - 70 * std::fabs(static_cast<long double>(link->Value)));
    return qRgb(g, g, g);
}

void paintLinkMarks(PaintFrame& frame, const CLink* link, QChar decimalPoint) {
    const WorldPoint h = linkHandle(link);
    if (isLisp(link->From) || !frame.isOnScreen(float(h.x), float(h.y)))
        return;
    const QRgb colour = arrowColour(frame, link);
    const ScreenPoint a{frame.toScreenX(float(h.x)), frame.toScreenY(float(h.y))};
    const bool detailed = frame.view.ZoomLevel > 3;
    if (detailed && frame.view.ShowNames) {
        const CPoint* from = link->From;
        const CPoint* to = link->To;
        const std::string text = linkLabel(from->Name, frame.isOnScreen(from), link->Name, to->Name,
                                           frame.isOnScreen(to));
        const int d = std::abs(frame.screenOf(from).y - frame.screenOf(to).y) < 8 ? 5 : 0;
        frame.labelWriter(a.x + 5, a.y - 7 + d, text, false, colour);
    }
    if (frame.eval.ShowValues)
        frame.labelWriter(a.x + 5, a.y + 3, valueText(link->Value, 1, char(decimalPoint.unicode())),
                          false, qRgb(0x60, 0x60, 0x60));
    if (detailed) {
        const QRgb fill = qRgb(0xFF, 0xFF, 0xFF);
        frame.arrowhead(a, link, SmallArrow, colour, &fill);
    }
}

} // namespace

void paintLinks(PaintFrame& frame) {
    frame.setFontSize(linkFontSize(frame.view.Scale));
    for (const CLink* link = frame.scheme.LinkList; link; link = link->Next)
        if (link->From->Vis && link->To->Vis)
            paintLine(frame, link);
    const QChar decimalPoint = QLocale().decimalPoint().front();
    for (const CLink* link = frame.scheme.LinkList; link; link = link->Next)
        if ((link->From->Vis && link->To->Vis) || touchesFocus(frame.scheme, link))
            paintLinkMarks(frame, link, decimalPoint);
}

} // namespace lumeris
