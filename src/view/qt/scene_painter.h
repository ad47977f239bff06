// The only code that draws the scene: Repaint draws a frame on the surface's back buffer and
// presents it while frames are owed and nothing holds the model busy.
#pragma once

#include "program/world.h"
#include "view/emphasis.h"
#include "view/qt/sprites.h"
#include "view/qt/surface.h"
#include "view/qt/under_layers.h"

#include <QImage>
#include <cstdint>
#include <functional>
#include <vector>

class QPrinter;

namespace lumeris {

class ScenePainter {
  public:
    ScenePainter(World& world, Surface& surface);

    // Draws and presents a frame when one is owed and BusyDepth is 0 or less; ItemsOnly
    // frames draw the items, traces and highlights over the previous frame.
    void Repaint(bool ItemsOnly);

    // Inputs from the main window.
    QImage Background;              // bmpBackground; drawn unless BackGroundImage is "none"
    bool TextWindowVisible = false; // no tooltip while the text window is shown
    bool PanelVisible = false;      // nor while the properties panel is
    // Set by the print command together with a raised RedrawRequests: the next full frame
    // is drawn without the grid and printed on Printer (owned by the caller; when it is
    // null the request is dropped).
    bool PrintRequested = false;
    QPrinter* Printer = nullptr;
    // One movement step, run before each frame while MovementOn is set.
    std::function<void()> MovementStepHook;
    // Lets the window system process pending messages at the end of a frame.
    std::function<void()> ProcessEvents;
    // Items and links a window points out on the canvas; whoever changes it raises
    // RedrawRequests. Objects that leave the scheme leave it too.
    Emphasis emphasis;

    // Outputs for the canvas's hit tests.

    Sprites sprites; // iBall and iFuz hold the tint of the last item drawn with them

  private:
    void PaintScene(bool ItemsOnly);
    void paintLayers(bool ItemsOnly);
    void print();
    void updateNameColours();

    World& world_;
    Surface& surface_;
    // Background made see-through once per picture rather than once per frame.
    QImage transparentBackground_;
    qint64 backgroundKey_ = 0;
    UnderLayers under_;
    std::vector<const CPoint*> itemsOnScreen_; // of ItemsOnly frames
    struct NameColourInputs {
        std::uint64_t stamp;
        const CPoint* selected;
        const CPoint* hovered;
        bool hoveredLisp;
        bool operator==(const NameColourInputs&) const = default;
    };
    NameColourInputs nameColourInputs_{};
};

} // namespace lumeris
