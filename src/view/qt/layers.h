// The layers of a frame, each drawn over the ones before it in this order.
#pragma once

#include "view/emphasis.h"
#include "view/qt/paint_frame.h"
#include "view/qt/sprites.h"

#include <QImage>
#include <span>

namespace lumeris {

void paintGrid(PaintFrame& frame);
// The picture with its transparent colour (the bottom-left pixel) made see-through.
QImage withTransparency(const QImage& picture);
// `picture` is the background picture already passed through withTransparency.
void paintBackground(PaintFrame& frame, const QImage& picture);
// The item layers draw the items on screen, given in ItemList order.
using ItemsOnScreen = std::span<const CPoint* const>;
void paintPhotos(PaintFrame& frame, ItemsOnScreen items);
void paintLinks(PaintFrame& frame);
void updateNameColours(Scheme& scheme);
void paintHiddenNames(PaintFrame& frame, ItemsOnScreen items);
void paintLabels(PaintFrame& frame, ItemsOnScreen items);
void paintItems(PaintFrame& frame, ItemsOnScreen items, Sprites& sprites);
void paintTraces(PaintFrame& frame, ItemsOnScreen items, const Sprites& sprites);

// What the overlay needs to know of the windows around the canvas.
struct OverlayWindows {
    bool PanelVisible;      // the properties panel
    bool TextWindowVisible; // the text window
};
void paintOverlay(PaintFrame& frame, OverlayWindows windows);
void paintTooltip(PaintFrame& frame, const CPoint* item);
void paintMarks(PaintFrame& frame);
// The emphasis: its links under the items, its rings over them. Nothing when it is empty.
void paintEmphasisLinks(PaintFrame& frame, const Emphasis& emphasis);
void paintEmphasisRings(PaintFrame& frame, const Emphasis& emphasis);

// Shared by the layers.
struct WorldPoint {
    int x;
    int y;
};
bool isLisp(const CPoint* item);
bool startsWithStar(const std::string& name);
// The link's handle: one third of the way from its source to its target, in world units.
WorldPoint linkHandle(const CLink* link);
CPoint* selectedItem(const Scheme& scheme); // when EditState is 1
CPoint* hoveredItem(const Scheme& scheme);  // when HoverKind is 1
CLink* linkInFocus(const Scheme& scheme);

} // namespace lumeris
