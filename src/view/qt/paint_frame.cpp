#include "view/qt/paint_frame.h"

#include "text/qt/cp1251.h"
#include "view/transform.h"

#include <QFontMetrics>
#include <algorithm>

namespace lumeris {

void useArialSubstitutes() {
    QFont::insertSubstitutions("Arial Cyr", {"Arial", "Liberation Sans"});
    QFont::insertSubstitution("Arial", "Liberation Sans");
}

PaintFrame::PaintFrame(World& world, QImage& back, bool ItemsOnly)
    : PaintFrame(world, world.view, back, ItemsOnly) {}

PaintFrame::PaintFrame(World& world, ViewState& view, QImage& back)
    : PaintFrame(world, view, back, false) {}

PaintFrame::PaintFrame(World& world, ViewState& view, QPaintDevice& device)
    : world(world), scheme(world.scheme), view(view), eval(world.eval), input(world.input),
      ItemsOnly(false), painter(&device), shapes(painter, view.CanvasWidth, view.CanvasHeight) {
    // A vector picture names its font for the viewer: "Arial", which stands for the same face
    // here and which every viewer knows.
    font_.setFamily(QStringLiteral("Arial"));
    fixView();
}

PaintFrame::PaintFrame(World& world, ViewState& view, QImage& back, bool ItemsOnly)
    : world(world), scheme(world.scheme), view(view), eval(world.eval), input(world.input),
      ItemsOnly(ItemsOnly), painter(&back), shapes(back, painter) {
    fixView();
}

void PaintFrame::fixView() {
    scale_ = view.Scale;
    offsetX_ = saturate(ToScreenX(view, 0));
    offsetY_ = saturate(ToScreenY(view, 0));
    left_ = view.ScreenX;
    right_ = view.ScreenX + view.CanvasWidth / (long double)view.Scale;
    top_ = view.ScreenY;
    bottom_ = view.ScreenY + view.CanvasHeight / (long double)view.Scale;
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
    // Sizes are for the canvas's 96 dots per inch. A device of another resolution (a printer)
    // is drawn on in canvas pixels magnified by the painter's transform, so its text must keep
    // the canvas's pixel size too.
    const int dpi = painter.device()->logicalDpiY();
    if (dpi == 96 || dpi <= 0)
        font_.setPointSize(points);
    else
        font_.setPointSizeF(points * 96.0 / dpi);
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
        shapes.thickLine(x0, y0, x1, y1, qRgb(b, a, a));
        shapes.thickLine(x1, y1, x2, y2, qRgb(a, a, b));
    } else {
        shapes.line(x0, y0, x1, y1, qRgb(b, a, a));
        shapes.line(x1, y1, x2, y2, qRgb(a, a, b));
    }
}

void PaintFrame::thickLine(QRgb colour, const CPoint* from, const CPoint* to) {
    const ScreenPoint p = screenOf(from), q = screenOf(to);
    shapes.thickLine(p.x, p.y, q.x, q.y, colour);
}

void PaintFrame::arrowhead(ScreenPoint anchor, const CLink* link, ArrowSize size, QRgb outline,
                           const QRgb* fill) {
    const auto dx = std::int64_t(link->To->X) - link->From->X;
    const auto dy = std::int64_t(link->To->Y) - link->From->Y;
    shapes.polygon(lumeris::arrowhead(anchor, dx, dy, size), outline, fill);
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
