#include "view/qt/scene_painter.h"

#include <algorithm>

namespace lumeris {

void ScenePainter::Repaint(bool ItemsOnly) {
    Scheme& scheme = world_.scheme;
    if (scheme.BusyDepth > 0 || scheme.RedrawRequests <= 0)
        return;
    BusyGuard busy(scheme);
    PaintScene(ItemsOnly);
    surface_.present();
    scheme.RedrawRequests = std::min(1, std::max(0, scheme.RedrawRequests - 1));
}

void ScenePainter::PaintScene(bool) {
    surface_.Back.fill(Qt::white);
}

} // namespace lumeris
