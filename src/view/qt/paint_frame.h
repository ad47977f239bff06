// One frame's drawing context: the world being drawn, the back buffer seen both as raw
// pixels (bulk lines, sprites, fills) and through a QPainter (text, ellipses, stretched
// pictures), the view transform fixed for the frame, and the writers of the painter's texts.
#pragma once

#include "program/world.h"
#include "view/arrowhead.h"
#include "view/qt/raster.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <string>

namespace lumeris {

class PaintFrame {
  public:
    PaintFrame(World& world, QImage& back, bool ItemsOnly);

    World& world;
    Scheme& scheme;
    ViewState& view;
    Evaluation& eval;
    Interaction& input;
    const bool ItemsOnly;
    Raster raster;
    QPainter painter;

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
    // Truncates toward zero, holding far-away points at a distance where the pixel
    // arithmetic cannot overflow; such points are never on the canvas. NaN (a damaged
    // Scale) gives 0.
    static int saturate(double v) {
        constexpr double limit = 1 << 28;
        return v >= limit ? int(limit) : v <= -limit ? -int(limit) : v == v ? int(v) : 0;
    }
    void applyFont(bool bold, bool underline);

    double scale_;
    int offsetX_, offsetY_;
    long double left_, right_, top_, bottom_;
    int fontSize_ = 0;
    QFont font_;
    int ascent_ = 0;
    bool fontDirty_ = true;
};

} // namespace lumeris
