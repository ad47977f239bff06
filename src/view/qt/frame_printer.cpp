#include "view/qt/frame_printer.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace lumeris {

bool printPicture(const QImage& picture, QPrinter& printer) {
    if (picture.isNull())
        return false;
    QPainter page;
    if (!page.begin(&printer))
        return false;
    const double w = picture.width(), h = picture.height();
    const double k = std::min(printer.width() / w, printer.height() / h);
    page.drawImage(QRect(0, 0, int(w * k), int(h * k)), picture);
    return page.end();
}

} // namespace lumeris
