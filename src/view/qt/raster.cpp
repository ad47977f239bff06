#include "view/qt/raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace lumeris {

Raster::Raster(QImage& image)
    : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()),
      height_(image.height()) {}

void Raster::setPixel(int x, int y, QRgb colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_)
        row(y)[x] = colour;
}

// Liang-Barsky against the image's pixel area grown by one pixel, since a walked pixel lies
// up to half a pixel off the ideal line; false when nothing of the segment is near.
bool Raster::clip(double& x0, double& y0, double& x1, double& y1) const {
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 + 1, width_ - x0, y0 + 1, height_ - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    x1 = x0 + t1 * dx, y1 = y0 + t1 * dy;
    x0 = x0 + t0 * dx, y0 = y0 + t0 * dy;
    return true;
}

void Raster::line(int x0, int y0, int x1, int y1, QRgb colour) {
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int steps = std::max(dx, dy); // the end point is left out
    if (steps == 0)
        return;
    const bool inside = std::min(x0, x1) >= 0 && std::max(x0, x1) < width_ &&
                        std::min(y0, y1) >= 0 && std::max(y0, y1) < height_;
    int first = 0;
    if (!inside) {
        // Walk only the steps whose pixels can lie inside the image.
        double cx0 = x0, cy0 = y0, cx1 = x1, cy1 = y1;
        if (!clip(cx0, cy0, cx1, cy1))
            return;
        const double along0 = dx >= dy ? std::fabs(cx0 - x0) : std::fabs(cy0 - y0);
        const double along1 = dx >= dy ? std::fabs(cx1 - x0) : std::fabs(cy1 - y0);
        first = std::max(0, int(std::floor(std::min(along0, along1))) - 1);
        steps = std::min(steps, int(std::ceil(std::max(along0, along1))) + 2);
    }
    // Error terms of the classic integer walk, advanced to step `first` in closed form.
    const int major = std::max(dx, dy), minor = std::min(dx, dy);
    long long err = 2LL * minor - major;
    int x = x0, y = y0;
    if (first > 0) {
        const long long moves = (2LL * minor * first + major - 1) / (2LL * major);
        err = 2LL * minor * (first + 1) - major - 2LL * major * moves;
        if (dx >= dy)
            x += sx * first, y += sy * int(moves);
        else
            y += sy * first, x += sx * int(moves);
    }
    for (int i = first; i < steps; ++i) {
        if (unsigned(x) < unsigned(width_) && unsigned(y) < unsigned(height_))
            row(y)[x] = colour;
        if (err > 0) {
            if (dx >= dy)
                y += sy;
            else
                x += sx;
            err -= 2LL * major;
        }
        if (dx >= dy)
            x += sx;
        else
            y += sy;
        err += 2LL * minor;
    }
}

void Raster::thickLine(int x0, int y0, int x1, int y1, QRgb colour) {
    line(x0, y0, x1, y1, colour);
    if (std::abs(x1 - x0) >= std::abs(y1 - y0))
        line(x0, y0 + 1, x1, y1 + 1, colour);
    else
        line(x0 + 1, y0, x1 + 1, y1, colour);
}

void Raster::fillRect(int left, int top, int right, int bottom, QRgb colour) {
    left = std::max(left, 0), top = std::max(top, 0);
    right = std::min(right, width_), bottom = std::min(bottom, height_);
    for (int y = top; y < bottom; ++y)
        std::fill(row(y) + left, row(y) + std::max(left, right), colour);
}

void Raster::frameRect(int left, int top, int right, int bottom, QRgb colour) {
    if (right <= left || bottom <= top)
        return;
    fillRect(left, top, right, top + 1, colour);
    fillRect(left, bottom - 1, right, bottom, colour);
    fillRect(left, top, left + 1, bottom, colour);
    fillRect(right - 1, top, right, bottom, colour);
}

void Raster::invertFocusRect(int left, int top, int right, int bottom) {
    auto invert = [this](int x, int y) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_)
            row(y)[x] ^= 0x00FFFFFF;
    };
    if (right <= left || bottom <= top)
        return;
    // Dots on every other pixel, walked once round so that each pixel is inverted once.
    int step = 0;
    for (int x = left; x < right; ++x, ++step)
        if (step % 2 == 0)
            invert(x, top);
    for (int y = top + 1; y < bottom; ++y, ++step)
        if (step % 2 == 0)
            invert(right - 1, y);
    for (int x = right - 2; x >= left && bottom - 1 > top; --x, ++step)
        if (step % 2 == 0)
            invert(x, bottom - 1);
    for (int y = bottom - 2; y > top && right - 1 > left; --y, ++step)
        if (step % 2 == 0)
            invert(left, y);
}

// Even-odd scanline fill sampled at pixel centres; the polygon is small (an arrowhead).
void Raster::fillPolygon(const std::array<ScreenPoint, 4>& points, QRgb colour) {
    int top = points[0].y, bottom = points[0].y;
    for (const ScreenPoint& p : points)
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    top = std::max(top, 0), bottom = std::min(bottom, height_ - 1);
    for (int y = top; y <= bottom; ++y) {
        double crossings[4];
        int count = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const ScreenPoint a = points[i], b = points[(i + 1) % points.size()];
            if ((a.y <= y) == (b.y <= y))
                continue; // the edge does not cross this row (half-open rule)
            crossings[count++] = a.x + double(y - a.y) * (b.x - a.x) / double(b.y - a.y);
        }
        for (int i = 1; i < count; ++i) // at most four crossings
            for (int j = i; j > 0 && crossings[j] < crossings[j - 1]; --j)
                std::swap(crossings[j], crossings[j - 1]);
        for (int i = 0; i + 1 < count; i += 2) {
            const int from = std::max(0, int(std::ceil(crossings[i])));
            const int to = std::min(width_ - 1, int(std::floor(crossings[i + 1])));
            for (int x = from; x <= to; ++x)
                row(y)[x] = colour;
        }
    }
}

void Raster::polygon(const std::array<ScreenPoint, 4>& points, QRgb outline, const QRgb* fill) {
    if (fill)
        fillPolygon(points, *fill);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ScreenPoint a = points[i], b = points[(i + 1) % points.size()];
        line(a.x, a.y, b.x, b.y, outline);
    }
}

void Raster::blit(int x, int y, const QImage& sprite) {
    const int w = sprite.width(), h = sprite.height();
    if (x >= width_ || y >= height_ || x + w <= 0 || y + h <= 0 || w == 0)
        return;
    const QRgb transparent = sprite.pixel(0, h - 1);
    const int from = std::max(0, -x), to = std::min(w, width_ - x);
    for (int j = std::max(0, -y); j < h && y + j < height_; ++j) {
        const QRgb* source = reinterpret_cast<const QRgb*>(sprite.constScanLine(j));
        QRgb* target = row(y + j) + x;
        for (int i = from; i < to; ++i)
            if (source[i] != transparent)
                target[i] = source[i];
    }
}

} // namespace lumeris
