#include "view/qt/surface.h"

#include <cstring>

namespace lumeris {

void Surface::resize(int width, int height) {
    if (Back.width() == width && Back.height() == height)
        return;
    Back = QImage(width, height, QImage::Format_RGB32);
    Back.fill(Qt::white);
    Front = Back.copy();
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
