// One frame's drawing context: the world being drawn, the device seen both through the plain
// shapes (bulk lines, sprites, fills: raw pixels on the canvas, vectors elsewhere) and through
// a QPainter (text, ellipses, stretched pictures), the view transform fixed for the frame, and
// the writers of the painter's texts.
#pragma once

#include "program/world.h"
#include "view/arrowhead.h"
#include "view/qt/shapes.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <string>

namespace lumeris {

// Registers the fonts that stand in for "Arial Cyr", the painter's font: Arial, else
// Liberation Sans, which has Arial's metrics.
void useArialSubstitutes();

class PaintFrame {
  public:
    // The canvas: world.view on its back buffer.
    PaintFrame(World& world, QImage& back, bool ItemsOnly);
    // A picture of `view` (which outlives the frame): pixels into a Format_RGB32 image of the
    // view's canvas size, as on the canvas.
    PaintFrame(World& world, ViewState& view, QImage& back);
    // A picture of `view` as vectors on any device that shows its canvas size (a transform
    // set on the painter afterwards magnifies everything).
    PaintFrame(World& world, ViewState& view, QPaintDevice& device);

    World& world;
    Scheme& scheme;
    ViewState& view;
    Evaluation& eval;
    Interaction& input;
    const bool ItemsOnly;
    QPainter painter;
    Shapes shapes;

    // The view transform of view/transform.h, fixed for the frame: its offset term is taken
    // from ToScreenX once, and the product of two floats is exact in a double, so the
    // coordinate term's truncation matches the extended-precision one.
    int toScreenX(float x) const { return offsetX_ + saturate(double(x) * scale_); }
    int toScreenY(float y) const { return offsetY_ + saturate(double(y) * scale_); }
    ScreenPoint screenOf(const CPoint* item) const {
        return {toScreenX(float(item->X)), toScreenY(float(item->Y))};
    }
    // IsOnScreen's comparisons with its bounds computed once per frame.
    bool isOnScreen(float x, float y) const {
        return x >= left_ && x <= right_ && y >= top_ && y <= bottom_;
    }
    bool isOnScreen(const CPoint* item) const { return isOnScreen(float(item->X), float(item->Y)); }

    // Text. The font is "Arial Cyr" at the current size; texts are Windows-1251 bytes.
    void setFontSize(int points);
    int fontSize() const { return fontSize_; }
    int textWidth(const std::string& text);
    // Writes with the top-left corner at (x, y); with boldStar, in bold when the text starts
    // with "*".
    void writeText(int x, int y, const std::string& text, QRgb colour, bool underline,
                   bool boldStar = true);
    // Suppressed in ItemsOnly frames.
    void labelWriter(int x, int y, const std::string& text, bool underline, QRgb colour);
    void hyperlinkWriter(int x, int y, const std::string& text);

    // Lines between world points.
    void twoToneLine(int shade, int strength, float px, float py, float qx, float qy,
                     bool thick = false);
    void thickLine(QRgb colour, const CPoint* from, const CPoint* to);
    // The link's arrowhead at a screen anchor; fill null draws the outline only.
    void arrowhead(ScreenPoint anchor, const CLink* link, ArrowSize size, QRgb outline,
                   const QRgb* fill);
    // A circle or ellipse outline in the box (left, top)-(right, bottom), right and bottom
    // excluded.
    void ellipse(int left, int top, int right, int bottom, QRgb pen);
    void roundRect(int left, int top, int right, int bottom, QRgb pen, const QRgb* fill);

  private:
    PaintFrame(World& world, ViewState& view, QImage& back, bool ItemsOnly);
    void fixView(); // the transform's terms and the on-screen bounds for the frame

    // Truncates toward zero, holding far-away points at a distance where the pixel
    // arithmetic cannot overflow; such points are never on the canvas. NaN (a damaged
    // Scale) gives 0.
    static int saturate(double v) {
        constexpr double limit = 1 << 28;
        return v >= limit ? int(limit) : v <= -limit ? -int(limit) : v == v ? int(v) : 0;
    }
    void applyFont(bool bold, bool underline);

    double scale_ = 1;
    int offsetX_ = 0, offsetY_ = 0;
    long double left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    int fontSize_ = 0;
    QFont font_{"Arial Cyr"};
    int ascent_ = 0;
    bool fontDirty_ = true;
};

} // namespace lumeris
