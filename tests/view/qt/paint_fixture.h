// A small world on a small surface, painted offscreen, for pixel checks at computed places.
#pragma once

#include "program/world.h"
#include "view/qt/scene_painter.h"
#include "view/qt/surface.h"

#include <gtest/gtest.h>

namespace lumeris::test {

class PaintTest : public testing::Test {
  protected:
    PaintTest() : painter(world, surface) { resize(240, 160); }

    void resize(int width, int height) {
        surface.resize(width, height);
        world.view.CanvasWidth = width;
        world.view.CanvasHeight = height;
    }
    void setLevel(int level) {
        world.view.ZoomLevel = level;
        world.view.Scale = float(1 << level) / 128;
    }
    void frame(bool ItemsOnly = false) {
        world.scheme.RedrawRequests = 1;
        painter.Repaint(ItemsOnly);
    }
    QRgb at(int x, int y) const { return surface.pixelAt(x, y) | 0xFF000000; }
    CPoint* item(const std::string& name, int x, int y, std::uint8_t type = TypeReal,
                 float value = 0) {
        CPoint* p = world.scheme.createItem(name, x, y);
        p->Type = type;
        p->Value = value;
        return p;
    }

    World world;
    Surface surface;
    ScenePainter painter;
};

inline QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

} // namespace lumeris::test
