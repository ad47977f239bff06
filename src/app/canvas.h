// DXDraw1: the canvas. It shows the surface's front image, keeps the canvas size in the view
// and turns each pointer event into one PointerEvent for the gestures of the core. The
// surface is (re)initialised white whenever the canvas changes size.
#pragma once

#include "edit/canvas_gestures.h"
#include "program/world.h"
#include "view/qt/surface.h"

#include <QWidget>
#include <functional>
#include <optional>

class QMouseEvent;

namespace lumeris {

// The event as the gestures take it; nothing for a button they do not know.
std::optional<PointerEvent> pointerEvent(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                         QPoint position);

class Canvas : public QWidget {
    Q_OBJECT
  public:
    Canvas(World& world, Editor& editor, Surface& surface, QWidget* parent);

    // Set by the main window: the canvas's resize becomes FormResize.
    std::function<void()> onResize;

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
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    World& world_;
    Editor& editor_;
    Surface& surface_;
};

} // namespace lumeris
