#include "view/qt/sprites.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

namespace lumeris {
namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Magenta = 0xFFFF00FF;

QImage blank(int width, int height, QRgb background) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// A shaded ball about 9 pixels across, lit from the upper left. Drawn without
// antialiasing so that no edge pixel blends into the transparent colour.
QImage shadedBall(QRgb background, int dark, int light) {
    QImage image = blank(13, 13, background);
    QPainter p(&image);
    QRadialGradient shade(QPointF(5, 5), 6, QPointF(4.5, 4.5));
    shade.setColorAt(0, QColor(light, light, light));
    shade.setColorAt(1, QColor(dark, dark, dark));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(QRect(2, 2, 9, 9));
    return image;
}

QImage boolSquare(QColor face, QColor border) {
    QImage image = blank(13, 13, White);
    QPainter p(&image);
    p.fillRect(QRect(4, 4, 8, 8), QColor(0xA0, 0xA0, 0xA0)); // drop shadow
    p.fillRect(QRect(2, 2, 8, 8), border);
    p.fillRect(QRect(3, 3, 6, 6), face);
    return image;
}

QImage diamond() {
    QImage image = blank(13, 13, White);
    QPainter p(&image);
    p.setPen(QColor(0x00, 0x70, 0x00));
    p.setBrush(QColor(0x20, 0xC0, 0x20));
    p.drawPolygon(QPolygon({QPoint(6, 1), QPoint(11, 6), QPoint(6, 11), QPoint(1, 6)}));
    return image;
}

QImage projection() {
    QImage image = blank(14, 14, White);
    QPainter p(&image);
    p.setPen(QColor(0x70, 0x70, 0x10));
    p.setBrush(QColor(0xC8, 0xC0, 0x40));
    p.drawRect(QRect(1, 3, 11, 8));
    p.drawLine(3, 5, 10, 5);
    p.drawLine(3, 8, 8, 8);
    return image;
}

QImage groupBox() {
    QImage image = blank(13, 13, White);
    QPainter p(&image);
    p.fillRect(QRect(2, 2, 9, 9), QColor(0x60, 0x60, 0x60));
    p.fillRect(QRect(3, 3, 7, 7), QColor(0xA8, 0xA8, 0xA8));
    p.fillRect(QRect(3, 3, 7, 2), QColor(0xE0, 0xE0, 0xE0)); // the light top
    return image;
}

QImage bracket(QColor colour, bool round) {
    QImage image = blank(13, 13, White);
    QPainter p(&image);
    p.setPen(QPen(colour, 2));
    if (round)
        p.drawArc(QRect(4, 1, 8, 11), 100 * 16, 160 * 16);
    else
        p.drawPolyline(QPolygon({QPoint(8, 1), QPoint(4, 1), QPoint(4, 11), QPoint(8, 11)}));
    return image;
}

// The letter И, three strokes.
QImage andMark() {
    QImage image = blank(8, 8, Magenta);
    QPainter p(&image);
    p.setPen(QColor(0xE6, 0xE6, 0xE6));
    p.drawLine(1, 1, 1, 6);
    p.drawLine(6, 1, 6, 6);
    p.drawLine(1, 6, 6, 1);
    return image;
}

QImage note() {
    QImage image = blank(9, 6, White);
    QPainter p(&image);
    p.setPen(QColor(0x40, 0x40, 0x20));
    p.setBrush(QColor(0xFF, 0xF8, 0xB0));
    p.drawRect(QRect(0, 0, 8, 4));
    return image;
}

// The bottom row stays white: it gives the transparent colour, so the white inside lets the
// item show through while the border and the tick stay.
QImage checkBox() {
    QImage image = blank(9, 10, White);
    QPainter p(&image);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(QRect(0, 0, 8, 8));
    p.setPen(QColor(0x00, 0x00, 0x00));
    p.drawPolyline(QPolygon({QPoint(2, 4), QPoint(4, 6), QPoint(7, 1)}));
    return image;
}

QImage urlTriangle() {
    QImage image = blank(5, 8, Magenta);
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(0, 0), QPoint(4, 3), QPoint(0, 6)}));
    return image;
}

} // namespace

Sprites::Sprites()
    : iBall0(shadedBall(White, 0x30, 0xA0)), iBall(iBall0.copy()),
      iFuz0(shadedBall(Magenta, 0x70, 0xD0)), iFuz(iFuz0.copy()),
      iBool1(boolSquare(QColor(0xFF, 0x00, 0x00), QColor(0x72, 0x27, 0x25))),
      iBool0(boolSquare(QColor(0x00, 0x00, 0xFF), QColor(0x00, 0x00, 0x80))), iFlag(diamond()),
      iProjection(projection()), iGroup(groupBox()),
      iLispBraces(bracket(QColor(0x20, 0x40, 0xE0), true)),
      iLispBrakets(bracket(QColor(0x10, 0x90, 0x10), false)), iAnd(andMark()), iSmallText(note()),
      iSmallBox(checkBox()), iSmallUrl(urlTriangle()) {}

void tintSprite(QImage& target, const QImage& templ, int red, int blue) {
    for (int y = 0; y < templ.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(templ.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < templ.width(); ++x)
            to[x] = qRgb(std::min(255, qRed(from[x]) + red), qGreen(from[x]),
                         std::min(255, qBlue(from[x]) + blue));
    }
}

} // namespace lumeris
