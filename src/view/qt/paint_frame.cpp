#include "view/qt/paint_frame.h"

#include "text/qt/cp1251.h"
#include "view/transform.h"

#include <QFontMetrics>
#include <algorithm>

namespace lumeris {

PaintFrame::PaintFrame(World& world, QImage& back, bool ItemsOnly)
    : world(world), scheme(world.scheme), view(world.view), eval(world.eval), input(world.input),
      ItemsOnly(ItemsOnly), raster(back), painter(&back), scale_(world.view.Scale),
      offsetX_(saturate(ToScreenX(world.view, 0))), offsetY_(saturate(ToScreenY(world.view, 0))),
      left_(world.view.ScreenX),
      right_(world.view.ScreenX + world.view.CanvasWidth / (long double)world.view.Scale),
      top_(world.view.ScreenY),
      bottom_(world.view.ScreenY + world.view.CanvasHeight / (long double)world.view.Scale),
      font_("Arial Cyr") {
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void PaintFrame::setFontSize(int points) {
    if (points != fontSize_)
        fontDirty_ = true;
    fontSize_ = points;
}

void PaintFrame::applyFont(bool bold, bool underline) {
    const int points = std::max(1, fontSize_);
    if (!fontDirty_ && font_.bold() == bold && font_.underline() == underline)
        return;
    font_.setPointSize(points);
    font_.setBold(bold);
    font_.setUnderline(underline);
    painter.setFont(font_);
    ascent_ = QFontMetrics(font_, painter.device()).ascent();
    fontDirty_ = false;
}

int PaintFrame::textWidth(const std::string& text) {
    applyFont(false, false);
    return QFontMetrics(font_, painter.device()).horizontalAdvance(fromCp1251(text));
}

void PaintFrame::writeText(int x, int y, const std::string& text, QRgb colour, bool underline,
                           bool boldStar) {
    if (text.empty())
        return;
    applyFont(boldStar && text.front() == '*', underline);
    painter.setPen(QColor(colour));
    painter.drawText(x, y + ascent_, fromCp1251(text));
}

void PaintFrame::labelWriter(int x, int y, const std::string& text, bool underline, QRgb colour) {
    if (!ItemsOnly)
        writeText(x, y, text, colour, underline);
}

void PaintFrame::hyperlinkWriter(int x, int y, const std::string& text) {
    writeText(x, y, text, qRgb(0, 0, 0xFF), true);
}

void PaintFrame::twoToneLine(int shade, int strength, float px, float py, float qx, float qy,
                             bool thick) {
    if (shade >= 250)
        return;
    const int a = shade & 0xFF, b = strength & 0xFF;
    const float mx = float((2.0 * px + qx) / 3), my = float((2.0 * py + qy) / 3);
    const int x0 = toScreenX(px), y0 = toScreenY(py);
    const int x1 = toScreenX(mx), y1 = toScreenY(my);
    const int x2 = toScreenX(qx), y2 = toScreenY(qy);
    if (thick) {
        raster.thickLine(x0, y0, x1, y1, qRgb(b, a, a));
        raster.thickLine(x1, y1, x2, y2, qRgb(a, a, b));
    } else {
        raster.line(x0, y0, x1, y1, qRgb(b, a, a));
        raster.line(x1, y1, x2, y2, qRgb(a, a, b));
    }
}

void PaintFrame::thickLine(QRgb colour, const CPoint* from, const CPoint* to) {
    const ScreenPoint p = screenOf(from), q = screenOf(to);
    raster.thickLine(p.x, p.y, q.x, q.y, colour);
}

void PaintFrame::arrowhead(ScreenPoint anchor, const CLink* link, ArrowSize size, QRgb outline,
                           const QRgb* fill) {
    const auto dx = std::int64_t(link->To->X) - link->From->X;
    const auto dy = std::int64_t(link->To->Y) - link->From->Y;
    raster.polygon(lumeris::arrowhead(anchor, dx, dy, size), outline, fill);
}

void PaintFrame::ellipse(int left, int top, int right, int bottom, QRgb pen) {
    painter.setPen(QColor(pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void PaintFrame::roundRect(int left, int top, int right, int bottom, QRgb pen, const QRgb* fill) {
    painter.setPen(QColor(pen));
    painter.setBrush(fill ? QBrush(QColor(*fill)) : QBrush(Qt::NoBrush));
    painter.drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), 4.5, 4.5);
    painter.setBrush(Qt::NoBrush);
}

} // namespace lumeris
