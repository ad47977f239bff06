#include "view/qt/shapes.h"

#include "view/qt/layers.h"

#include <QLineF>
#include <QPolygonF>
#include <cmath>
#include <cstdlib>

namespace lumeris {

Shapes::Shapes(QImage& back, QPainter& painter)
    : raster_(std::in_place, back), painter_(painter), width_(back.width()),
      height_(back.height()) {}

Shapes::Shapes(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height) {}

namespace {

QPointF centre(int x, int y) {
    return {x + 0.5, y + 0.5};
}

} // namespace

// The raster walks from the centre of the first pixel to the last one before the end point; a
// flat-capped stroke from half a pixel before the start to half a pixel before the end covers
// the same run. Lines wholly off the canvas are left out, so that a picture of part of a large
// scheme holds only what shows.
void Shapes::strokeLine(int x0, int y0, int x1, int y1, QRgb colour, int width) {
    if (x0 == x1 && y0 == y1)
        return;
    if (std::max(x0, x1) < -2 || std::min(x0, x1) > width_ + 2 || std::max(y0, y1) < -2 ||
        std::min(y0, y1) > height_ + 2)
        return;
    const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
    // A thick line's second row or column lies below or to the right of the first.
    const double shift = (width - 1) * 0.5;
    const QPointF offset = xMajor ? QPointF(0, shift) : QPointF(shift, 0);
    QLineF stroke(centre(x0, y0) + offset, centre(x1, y1) + offset);
    const QPointF half = (stroke.p2() - stroke.p1()) / stroke.length() * 0.5;
    stroke.translate(-half);
    QPen pen{QColor(colour)};
    pen.setWidth(width);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.drawLine(stroke);
}

void Shapes::thickLine(int x0, int y0, int x1, int y1, QRgb colour) {
    if (raster_)
        raster_->thickLine(x0, y0, x1, y1, colour);
    else
        strokeLine(x0, y0, x1, y1, colour, 2);
}

void Shapes::fillRect(int left, int top, int right, int bottom, QRgb colour) {
    if (raster_)
        raster_->fillRect(left, top, right, bottom, colour);
    else if (right > left && bottom > top)
        painter_.fillRect(QRect(left, top, right - left, bottom - top), QColor(colour));
}

void Shapes::frameRect(int left, int top, int right, int bottom, QRgb colour) {
    if (raster_) {
        raster_->frameRect(left, top, right, bottom, colour);
    } else if (right > left && bottom > top) {
        painter_.setPen(QPen(QColor(colour), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(centre(left, top), centre(right - 1, bottom - 1)));
    }
}

void Shapes::invertFocusRect(int left, int top, int right, int bottom) {
    if (raster_) {
        raster_->invertFocusRect(left, top, right, bottom);
    } else if (right > left && bottom > top) {
        painter_.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(centre(left, top), centre(right - 1, bottom - 1)));
    }
}

void Shapes::polygon(const std::array<ScreenPoint, 4>& points, QRgb outline, const QRgb* fill) {
    if (raster_) {
        raster_->polygon(points, outline, fill);
        return;
    }
    QPolygonF shape;
    for (const ScreenPoint& p : points)
        shape << centre(p.x, p.y);
    painter_.setPen(QPen(QColor(outline), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter_.setBrush(fill ? QBrush(QColor(*fill)) : QBrush(Qt::NoBrush));
    painter_.drawPolygon(shape);
    painter_.setBrush(Qt::NoBrush);
}

void Shapes::blit(int x, int y, const QImage& sprite) {
    if (raster_)
        raster_->blit(x, y, sprite);
    else if (!sprite.isNull())
        painter_.drawImage(QPoint(x, y), seeThrough(sprite));
}

const QImage& Shapes::seeThrough(const QImage& sprite) {
    const std::size_t key =
        qHashBits(sprite.constBits(), std::size_t(sprite.sizeInBytes()), sprite.width());
    const auto [first, last] = seeThrough_.equal_range(key);
    for (auto found = first; found != last; ++found)
        if (found->second.original == sprite) // not merely the same hash
            return found->second.seeThrough;
    // The sprite is kept by value: the painter's later tints write to a copy of their own.
    return seeThrough_.emplace(key, Kept{sprite, withTransparency(sprite)})->second.seeThrough;
}

} // namespace lumeris
