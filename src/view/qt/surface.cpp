#include "view/qt/surface.h"

#include <QPainter>

#include <cstring>

namespace lumeris {

void Surface::resize(int width, int height) {
    if (Back.width() == width && Back.height() == height)
        return;
    Back = QImage(width, height, QImage::Format_RGB32);
    Back.fill(Qt::white);
    Front = Back.copy();
}

void Surface::scrollFront(int dx, int dy) {
    Back.fill(QColor(0xFB, 0xFB, 0xFB));
    {
        QPainter painter(&Back);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(dx, dy, Front);
    }
    present();
}

void Surface::present() {
    if (Front.size() == Back.size())
        std::memcpy(Front.bits(), Back.constBits(), Back.sizeInBytes());
    else
        Front = Back.copy();
    ++Presented;
}

QRgb Surface::pixelAt(int x, int y) const {
    return Front.valid(x, y) ? Front.pixel(x, y) : qRgb(0, 0, 0);
}

} // namespace lumeris
