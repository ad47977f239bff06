// What follows the user's attention: the hover and selection overlay with the tooltip, and
// the marks of blinking selection, link drawing, the rubber band and the chosen group.
#include "view/label_text.h"
#include "view/qt/layers.h"
#include "view/tooltip_lines.h"

#include <algorithm>

namespace lumeris {
namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb RingGrey = qRgb(0xA0, 0xA0, 0xA0);

void ring(PaintFrame& frame, ScreenPoint s, QRgb pen) {
    frame.ellipse(s.x - 9, s.y - 9, s.x + 10, s.y + 10, pen);
}

void paintHoveredItem(PaintFrame& frame, CPoint* item, OverlayWindows windows) {
    const ScreenPoint s = frame.screenOf(item);
    if (!item->Vis) {
        if (frame.view.ShowNames)
            frame.labelWriter(s.x + 8, s.y - nameRise(frame.view.Scale), item->Name, false,
                              qRgb(0xB0, 0xB0, 0xB0));
        return;
    }
    if (frame.input.HoverDwell >= 0)
        ++frame.input.HoverDwell;
    if (frame.input.HoverDwell > 3 && !item->text.empty() && !windows.PanelVisible &&
        !windows.TextWindowVisible && frame.scheme.MouseButtonState == MouseButtonNone)
        paintTooltip(frame, item);
    if (item->Type == TypeProjection)
        frame.roundRect(s.x - 9, s.y - 10, s.x + 12 + frame.textWidth(item->Name), s.y + 9,
                        qRgb(0x80, 0x80, 0xF0), nullptr);
    else if (frame.scheme.HoverKind == HoverItemName && !item->url.empty())
        frame.hyperlinkWriter(s.x + 8, s.y - nameRise(frame.view.Scale), item->Name);
    else
        ring(frame, s, RingGrey);
}

void paintFocusedLink(PaintFrame& frame, const CLink* link) {
    const WorldPoint h = linkHandle(link);
    const ScreenPoint a{frame.toScreenX(float(h.x)), frame.toScreenY(float(h.y))};
    frame.ellipse(a.x - 7, a.y - 7, a.x + 7, a.y + 7, RingGrey);
    const CPoint* from = link->From;
    const CPoint* to = link->To;
    if (!startsWithStar(to->Name))
        frame.twoToneLine(0, 250, float(from->X), float(from->Y), float(to->X), float(to->Y), true);
    frame.arrowhead(a, link, LargeArrow, Black, nullptr);
    if (frame.view.ShowNames) {
        const int nameSize = frame.fontSize();
        frame.setFontSize(linkFontSize(frame.view.Scale));
        frame.labelWriter(a.x + 5, a.y - 7,
                          linkLabel(from->Name, frame.isOnScreen(from), link->Name, to->Name,
                                    frame.isOnScreen(to)),
                          false, Black);
        frame.setFontSize(nameSize);
    }
}

} // namespace

void paintOverlay(PaintFrame& frame, OverlayWindows windows) {
    const Scheme& scheme = frame.scheme;
    if (scheme.EditState == EditGroupChosen)
        return;
    CPoint* hovered = scheme.Hovered.item;
    if ((scheme.HoverKind == HoverItem || scheme.HoverKind == HoverItemName) && hovered) {
        paintHoveredItem(frame, hovered, windows);
        return;
    }
    const CPoint* selected = selectedItem(scheme);
    if (selected && selected->Vis) {
        ring(frame, frame.screenOf(selected), RingGrey);
        return;
    }
    if (const CLink* link = linkInFocus(scheme))
        paintFocusedLink(frame, link);
}

void paintTooltip(PaintFrame& frame, const CPoint* item) {
    const int nameSize = frame.fontSize();
    frame.setFontSize(10);
    const std::vector<std::string> lines = tooltipLines(item->text);
    int w = 0;
    for (const std::string& line : lines)
        w = std::max(w, frame.textWidth(line));
    const int n = int(lines.size());
    const ScreenPoint s = frame.screenOf(item);
    const int left = std::min(s.x + 15, frame.shapes.width() - w - 20);
    const int right = left + w + 10, bottom = s.y + 16 * n + 15;
    frame.shapes.fillRect(left, s.y + 10, right, bottom, qRgb(0xFF, 0xFF, 0xE0));
    frame.shapes.frameRect(left, s.y + 10, right, bottom, Black);
    for (int j = 0; j < n; ++j)
        frame.writeText(left + 5, s.y + 16 * j + 12, lines[j], Black, false, false);
    frame.setFontSize(nameSize);
}

void paintMarks(PaintFrame& frame) {
    const Scheme& scheme = frame.scheme;
    const Interaction& input = frame.input;
    if (!scheme.Selected.empty() && frame.eval.BlinkPhase) {
        if (scheme.EditState == EditItemSelected && scheme.Selected.item)
            ring(frame, frame.screenOf(scheme.Selected.item), Black);
        if (scheme.EditState == EditLinkSelected) {
            const ScreenPoint p{frame.toScreenX(float(scheme.LinkHandleX)),
                                frame.toScreenY(float(scheme.LinkHandleY))};
            frame.ellipse(p.x - 7, p.y - 7, p.x + 7, p.y + 7, Black);
        }
    }
    if (input.LinkDragging && scheme.Selected.item) {
        const CPoint* from = scheme.Selected.item;
        const float scale = frame.view.Scale;
        frame.twoToneLine(100, 255, float(from->X), float(from->Y),
                          float(input.LastMouseX / scale + frame.view.ScreenX),
                          float(input.LastMouseY / scale + frame.view.ScreenY));
        if (input.LinkTarget)
            ring(frame, frame.screenOf(input.LinkTarget), qRgb(0xFF, 0, 0));
    }
    if (input.BandActive)
        frame.shapes.invertFocusRect(input.BandLeft, input.BandTop, input.BandRight,
                                     input.BandBottom);
    if (input.BandActive || scheme.EditState == EditGroupChosen)
        for (const CPoint* item = scheme.ItemList; item; item = item->Next)
            if (item->Vis && item->Mark == 2)
                ring(frame, frame.screenOf(item), Black);
}

} // namespace lumeris
