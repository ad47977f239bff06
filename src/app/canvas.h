// DXDraw1: the canvas. It shows the surface's front image, keeps the canvas size in the view
// and hands pointer events to the window. The surface is (re)initialised white whenever the
// canvas changes size.
#pragma once

#include "program/world.h"
#include "view/qt/surface.h"

#include <QWidget>
#include <functional>

namespace lumeris {

class Canvas : public QWidget {
    Q_OBJECT
  public:
    Canvas(World& world, Surface& surface, QWidget* parent);

    // Set by the main window: the canvas's resize becomes FormResize.
    std::function<void()> onResize;
    // A right-button release over the canvas opens the context menu here.
    std::function<void(QPoint)> onContextMenu;

    // The canvas handles a pointer move to (x, y), as a real move would.
    void DXDraw1MouseMove(int x, int y);
    // DXDraw1InitializeSurface: size bookkeeping and a white back and front buffer.
    void DXDraw1InitializeSurface();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    World& world_;
    Surface& surface_;
};

} // namespace lumeris
