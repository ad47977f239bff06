// Direct pixel drawing on a Format_RGB32 image for the painter's bulk work. Lines are one
// pixel wide, solid and not antialiased, so a Bresenham walk written straight into the
// scanlines draws them several times faster than QPainter. Rectangles given as (left, top,
// right, bottom) exclude their right column and bottom row; a line excludes its end point.
// Everything is clipped to the image.
#pragma once

#include "view/arrowhead.h"

#include <QImage>
#include <array>

namespace lumeris {

class Raster {
  public:
    explicit Raster(QImage& image); // image must be Format_RGB32 and outlive the raster

    int width() const { return width_; }
    int height() const { return height_; }

    void setPixel(int x, int y, QRgb colour);
    void line(int x0, int y0, int x1, int y1, QRgb colour);
    // Pen width 2: the line and its neighbour one pixel across the major axis.
    void thickLine(int x0, int y0, int x1, int y1, QRgb colour);
    void fillRect(int left, int top, int right, int bottom, QRgb colour);
    void frameRect(int left, int top, int right, int bottom, QRgb colour);
    // The focus rectangle of a rubber band: every other border pixel inverted.
    void invertFocusRect(int left, int top, int right, int bottom);
    // A closed polygon; fill is drawn first, then the outline over it.
    void polygon(const std::array<ScreenPoint, 4>& points, QRgb outline, const QRgb* fill);
    // Copies the sprite with its top-left corner at (x, y), leaving out the pixels of its
    // transparent colour (the bottom-left pixel).
    void blit(int x, int y, const QImage& sprite);

  private:
    void fillPolygon(const std::array<ScreenPoint, 4>& points, QRgb colour);
    QRgb* row(int y) { return reinterpret_cast<QRgb*>(bits_ + std::ptrdiff_t(y) * stride_); }

    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
};

} // namespace lumeris
