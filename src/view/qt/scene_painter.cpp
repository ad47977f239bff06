#include "view/qt/scene_painter.h"

#include "view/label_text.h"
#include "view/qt/frame_printer.h"
#include "view/qt/layers.h"

#include <QFont>
#include <QLocale>
#include <algorithm>

namespace lumeris {

ScenePainter::ScenePainter(World& world, Surface& surface)
    : Background(4, 3, QImage::Format_RGB32), world_(world), surface_(surface) {
    Background.fill(Qt::white);
    // The painter asks for "Arial Cyr"; Liberation Sans has Arial's metrics.
    QFont::insertSubstitutions("Arial Cyr", {"Arial", "Liberation Sans"});
    QFont::insertSubstitution("Arial", "Liberation Sans");
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
        updateNameColours(world_.scheme);
        // Names change with the view, the focus and the items, which the key holds; value
        // labels change with every step, so while they show the names are drawn every frame.
        const bool valuesShown = world_.eval.ShowValues;
        auto paintNames = [&] {
            frame.setFontSize(nameFontSize(view.Scale));
            paintHiddenNames(frame);
            if (view.ZoomLevel > 3)
                paintLabels(frame);
        };
        const char decimalPoint = char(QLocale().decimalPoint().front().unicode());
        const std::uint64_t key =
            underLayerKey(world_, {backgroundKey_, PrintRequested, decimalPoint});
        under_.paint(surface_.Back, key, [&] {
            frame.raster.fillRect(0, 0, frame.raster.width(), frame.raster.height(), 0xFFFFFFFF);
            if (!PrintRequested)
                paintGrid(frame);
            paintBackground(frame, transparentBackground_);
            paintPhotos(frame);
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
    paintItems(frame, sprites);
    paintTraces(frame, sprites);
    frame.setFontSize(nameFontSize(view.Scale));
    paintOverlay(frame, {PanelVisible, TextWindowVisible});
    paintMarks(frame);
}

// Prints what the screen shows; the grid comes back with the frame this requests.
void ScenePainter::print() {
    if (Printer)
        printPicture(surface_.Front, *Printer);
    ++world_.scheme.RedrawRequests;
}

} // namespace lumeris
