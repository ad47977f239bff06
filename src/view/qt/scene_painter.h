// The only code that draws the scene: Repaint draws a frame on the surface's back buffer and
// presents it while frames are owed and nothing holds the model busy.
#pragma once

#include "view/qt/surface.h"
#include "world.h"

namespace lumeris {

class ScenePainter {
  public:
    ScenePainter(World& world, Surface& surface) : world_(world), surface_(surface) {}

    void Repaint(bool ItemsOnly);

  private:
    void PaintScene(bool ItemsOnly);

    World& world_;
    Surface& surface_;
};

} // namespace lumeris
