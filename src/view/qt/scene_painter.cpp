#include "view/qt/scene_painter.h"

#include "view/label_text.h"
#include "view/qt/frame_printer.h"
#include "view/qt/layers.h"

#include <QLocale>
#include <algorithm>

namespace lumeris {

ScenePainter::ScenePainter(World& world, Surface& surface)
    : Background(4, 3, QImage::Format_RGB32), world_(world), surface_(surface) {
    Background.fill(Qt::white);
    useArialSubstitutes();
}

void ScenePainter::Repaint(bool ItemsOnly) {
    Scheme& scheme = world_.scheme;
    if (scheme.BusyDepth > 0 || surface_.Back.isNull())
        return;
    BusyGuard busy(scheme);
    PaintScene(ItemsOnly);
    // A repaint asked for while messages are processed here finds BusyDepth raised and is
    // served by the next tick through RedrawRequests.
    if (ProcessEvents)
        ProcessEvents();
}

void ScenePainter::PaintScene(bool ItemsOnly) {
    Scheme& scheme = world_.scheme;
    if (scheme.RedrawRequests <= 0)
        return;
    if (world_.eval.MovementOn && MovementStepHook)
        MovementStepHook();
    world_.input.PanSteps = 1;
    paintLayers(ItemsOnly);
    surface_.present();
    // One frame serves every request made before it; at most one more stays owed.
    scheme.RedrawRequests = std::min(1, std::max(0, scheme.RedrawRequests - 1));
    if (PrintRequested) {
        PrintRequested = false;
        print();
    }
}

void ScenePainter::paintLayers(bool ItemsOnly) {
    PaintFrame frame(world_, surface_.Back, ItemsOnly);
    ViewState& view = world_.view;
    if (!ItemsOnly) {
        if (Background.cacheKey() != backgroundKey_) {
            transparentBackground_ = withTransparency(Background);
            backgroundKey_ = Background.cacheKey();
        }
        updateNameColours();
        // Names change with the view, the focus and the items, which the kept layers watch;
        // value labels change with every step, so while they show the names are drawn every
        // frame.
        const bool valuesShown = world_.eval.ShowValues;
        auto paintNames = [&] {
            frame.setFontSize(nameFontSize(view.Scale));
            paintHiddenNames(frame, under_.onScreen());
            if (view.ZoomLevel > 3)
                paintLabels(frame, under_.onScreen());
        };
        const char decimalPoint = char(QLocale().decimalPoint().front().unicode());
        under_.paint(frame, surface_.Back, {backgroundKey_, PrintRequested, decimalPoint}, [&] {
            frame.shapes.fillRect(0, 0, frame.shapes.width(), frame.shapes.height(), 0xFFFFFFFF);
            if (!PrintRequested)
                paintGrid(frame);
            paintBackground(frame, transparentBackground_);
            paintPhotos(frame, under_.onScreen());
            if (view.ShowLinks)
                paintLinks(frame);
            if (!valuesShown)
                paintNames();
        });
        if (valuesShown)
            paintNames();
        frame.setFontSize(nameFontSize(view.Scale));
        view.NameSampleWidth = frame.textWidth("IWIWAiwiwa");
    }
    emphasis.dropGone(world_.scheme);
    paintEmphasisLinks(frame, emphasis);
    // The kept layers found the items on screen; a frame without them looks for itself.
    ItemsOnScreen onScreen = under_.onScreen();
    if (ItemsOnly) {
        findItemsOnScreen(frame, itemsOnScreen_);
        onScreen = itemsOnScreen_;
    }
    paintItems(frame, onScreen, sprites);
    paintTraces(frame, onScreen, sprites);
    paintEmphasisRings(frame, emphasis);
    frame.setFontSize(nameFontSize(view.Scale));
    paintOverlay(frame, {PanelVisible, TextWindowVisible});
    paintMarks(frame);
}

// The colours follow the focus and the links alone (see ::updateNameColours), so they stand
// while neither changes.
void ScenePainter::updateNameColours() {
    const Scheme& scheme = world_.scheme;
    const CPoint* hovered = hoveredItem(scheme);
    const NameColourInputs inputs{scheme.changeStamp(), selectedItem(scheme), hovered,
                                  hovered && isLisp(hovered)};
    if (inputs == nameColourInputs_)
        return;
    lumeris::updateNameColours(world_.scheme);
    nameColourInputs_ = inputs;
}

// Prints what the screen shows; the grid comes back with the frame this requests.
void ScenePainter::print() {
    if (Printer)
        printPicture(surface_.Front, *Printer);
    ++world_.scheme.RedrawRequests;
}

} // namespace lumeris
