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

namespace {

// The classic integer walk along the major axis from step 0 to M - 1 (the end point left
// out) moves the minor coordinate `moves(i)` times by step i. Both are closed forms, so a
// line can be cut to the image and split into runs without walking the parts outside.
struct Walk {
    long long major, minor; // M >= m >= 0, M > 0

    long long moves(long long i) const { return (2 * minor * i + major - 1) / (2 * major); }
    // The first step whose minor coordinate has moved k times.
    long long start(long long k) const {
        if (k <= 0)
            return 0;
        if (minor == 0)
            return major;
        return (2 * major * k - major + 1 + 2 * minor - 1) / (2 * minor);
    }
};

// The steps i in [lo, hi) for which origin + sign * i lies in [0, limit).
void keepInside(long long origin, int sign, int limit, long long& lo, long long& hi) {
    if (sign > 0) {
        lo = std::max(lo, -origin);
        hi = std::min(hi, limit - origin);
    } else {
        lo = std::max(lo, origin - limit + 1);
        hi = std::min(hi, origin + 1);
    }
}

} // namespace

void Raster::line(int x0, int y0, int x1, int y1, QRgb colour) {
    const bool xMajor = std::abs(x1 - x0) >= std::abs(y1 - y0);
    const int a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0; // major and minor start
    const int a1 = xMajor ? x1 : y1, b1 = xMajor ? y1 : x1;
    const int sa = a0 < a1 ? 1 : -1, sb = b0 < b1 ? 1 : -1;
    const Walk walk{std::abs(a1 - a0), std::abs(b1 - b0)};
    if (walk.major == 0)
        return;
    long long lo = 0, hi = walk.major;
    keepInside(a0, sa, xMajor ? width_ : height_, lo, hi);
    if (lo >= hi)
        return;
    long long kLo = walk.moves(lo), kHi = walk.moves(hi - 1) + 1;
    keepInside(b0, sb, xMajor ? height_ : width_, kLo, kHi);
    // One run per minor coordinate: a row segment for a flat line, a column for a steep one.
    for (long long k = kLo; k < kHi; ++k) {
        const long long first = std::max(lo, walk.start(k));
        const long long count = std::min(hi, walk.start(k + 1)) - first;
        if (count <= 0)
            continue;
        const int a = int(a0 + sa * first), b = int(b0 + sb * k);
        if (xMajor) {
            std::fill_n(row(b) + (sa > 0 ? a : a - count + 1), count, colour);
        } else {
            QRgb* pixel = row(a) + b;
            const qsizetype step = sa * stride_ / qsizetype(sizeof(QRgb));
            for (long long i = 0; i < count; ++i, pixel += step)
                *pixel = colour;
        }
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
