#include "app/canvas.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace lumeris {

std::optional<PointerEvent> pointerEvent(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                         QPoint position) {
    PointerEvent event;
    switch (button) {
    case Qt::LeftButton:
    case Qt::NoButton: // a move
        event.button = ButtonLeft;
        break;
    case Qt::RightButton:
        event.button = ButtonRight;
        break;
    case Qt::MiddleButton:
        event.button = ButtonMiddle;
        break;
    default:
        return std::nullopt;
    }
    event.shift = modifiers & Qt::ShiftModifier;
    event.alt = modifiers & Qt::AltModifier;
    event.ctrl = modifiers & Qt::ControlModifier;
    event.x = position.x();
    event.y = position.y();
    return event;
}

Canvas::Canvas(World& world, Editor& editor, Surface& surface, QWidget* parent)
    : QWidget(parent), world_(world), editor_(editor), surface_(surface) {
    setObjectName("DXDraw1");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::DXDraw1MouseMove(int x, int y) {
    if (auto event = pointerEvent(Qt::NoButton, QGuiApplication::keyboardModifiers(), {x, y}))
        lumeris::DXDraw1MouseMove(editor_, *event);
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
    if (auto e = pointerEvent(Qt::NoButton, event->modifiers(), event->position().toPoint()))
        lumeris::DXDraw1MouseMove(editor_, *e);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (auto e = pointerEvent(event->button(), event->modifiers(), event->position().toPoint()))
        DXDraw1MouseDown(editor_, *e);
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    if (auto e = pointerEvent(event->button(), event->modifiers(), event->position().toPoint()))
        DXDraw1MouseUp(editor_, *e);
}

// Qt sends the double click in place of the second press; the gestures expect the double
// click followed by that press, which they then swallow.
void Canvas::mouseDoubleClickEvent(QMouseEvent* event) {
    auto e = pointerEvent(event->button(), event->modifiers(), event->position().toPoint());
    if (!e)
        return;
    DXDraw1DblClick(editor_, e->button);
    DXDraw1MouseDown(editor_, *e);
}

} // namespace lumeris
