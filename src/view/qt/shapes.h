// The painter's plain shapes in canvas pixels, on either kind of device. On the canvas's back
// buffer they are set pixel by pixel (see raster.h); on any other QPainter device (SVG, PDF, a
// magnified picture) they are drawn as the lines, rectangles, polygons and pictures that cover
// the same pixels, so that a vector picture looks like the canvas and stays sharp.
#pragma once

#include "view/qt/raster.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <optional>
#include <unordered_map>

namespace lumeris {

class Shapes {
  public:
    // Pixels into `back` (Format_RGB32); `painter` draws on the same image.
    Shapes(QImage& back, QPainter& painter);
    // Shapes through `painter`, whose device shows a canvas of width x height pixels.
    Shapes(QPainter& painter, int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // The operations of Raster, with the same pixels and the same exclusions.
    void setPixel(int x, int y, QRgb colour) { fillRect(x, y, x + 1, y + 1, colour); }
    void line(int x0, int y0, int x1, int y1, QRgb colour) {
        if (raster_)
            raster_->line(x0, y0, x1, y1, colour);
        else
            strokeLine(x0, y0, x1, y1, colour, 1);
    }
    void thickLine(int x0, int y0, int x1, int y1, QRgb colour);
    void fillRect(int left, int top, int right, int bottom, QRgb colour);
    void frameRect(int left, int top, int right, int bottom, QRgb colour);
    // A dotted focus rectangle: inverted pixels on the raster, black dots elsewhere.
    void invertFocusRect(int left, int top, int right, int bottom);
    void polygon(const std::array<ScreenPoint, 4>& points, QRgb outline, const QRgb* fill);
    void blit(int x, int y, const QImage& sprite);

  private:
    // A line of `width` pixels across, from the start pixel up to the end pixel, which it
    // leaves out as the raster does; `across` shifts it toward the second pixel row or
    // column of a thick line.
    void strokeLine(int x0, int y0, int x1, int y1, QRgb colour, int width);
    const QImage& seeThrough(const QImage& sprite);

    std::optional<Raster> raster_;
    QPainter& painter_;
    int width_, height_;
    // Sprites made see-through, by their pixels: a picture drawn twice is the same picture,
    // which a PDF then holds once.
    struct Kept {
        QImage original, seeThrough;
    };
    std::unordered_multimap<std::size_t, Kept> seeThrough_;
};

} // namespace lumeris
