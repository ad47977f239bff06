#include "app/canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumeris {

Canvas::Canvas(World& world, Surface& surface, QWidget* parent)
    : QWidget(parent), world_(world), surface_(surface) {
    setObjectName("DXDraw1");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::DXDraw1MouseMove(int x, int y) {
    world_.input.LastMouseX = x;
    world_.input.LastMouseY = y;
}

void Canvas::DXDraw1InitializeSurface() {
    world_.view.CanvasHeight = height();
    world_.view.CanvasWidth = width();
    surface_.resize(width(), height());
    surface_.Back.fill(Qt::white);
    surface_.Front.fill(Qt::white);
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, surface_.Front);
}

void Canvas::resizeEvent(QResizeEvent*) {
    DXDraw1InitializeSurface();
    if (onResize)
        onResize();
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    DXDraw1MouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    DXDraw1MouseMove(event->position().toPoint().x(), event->position().toPoint().y());
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton && onContextMenu)
        onContextMenu(event->globalPosition().toPoint());
}

} // namespace lumeris
