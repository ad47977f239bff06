// How the panel's widgets reach the core: they hand a handler to the window, which runs it on
// the records with the window's current measures and then shows the records again.
#pragma once

#include "props/panel.h"

#include <QMouseEvent>
#include <QWidget>
#include <functional>

namespace lumeris {

using PropsHandler = std::function<void(Props&)>;
using PropsRun = std::function<void(const PropsHandler&)>;

// A plain area that paints itself with `paint` and forwards its mouse events (local
// coordinates): a bar, a knob, the check box, the drag handle.
class PointerArea : public QWidget {
  public:
    using Paint = std::function<void(QWidget&)>;
    using Pointer = std::function<void(int x, int y)>;
    PointerArea(QWidget* parent, Paint paint) : QWidget(parent), paint_(std::move(paint)) {}
    Pointer onDown, onMove, onUp;

  protected:
    void paintEvent(QPaintEvent*) override { paint_(*this); }
    void mousePressEvent(QMouseEvent* e) override { forward(onDown, e); }
    void mouseMoveEvent(QMouseEvent* e) override { forward(onMove, e); }
    void mouseReleaseEvent(QMouseEvent* e) override { forward(onUp, e); }

  private:
    static void forward(const Pointer& to, QMouseEvent* e) {
        if (to && (e->button() == Qt::LeftButton || e->buttons() & Qt::LeftButton ||
                   e->type() == QEvent::MouseMove))
            to(int(e->position().x()), int(e->position().y()));
        e->accept();
    }
    Paint paint_;
};

} // namespace lumeris
