#include "view/qt/frame_printer.h"

#include "view/fit.h"

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

// The page is drawn on in canvas pixels of 96 to the inch, magnified to the printer's
// resolution, so that lines, sprites and text keep the proportions the canvas gives them.
bool printWholeScheme(PictureMaker& maker, const Scheme& scheme, const ViewState& current,
                      QPrinter& printer) {
    const std::optional<FitBounds> bounds = boundsToFit(scheme);
    const bool wide = bounds && bounds->right - bounds->left > bounds->bottom - bounds->top;
    printer.setPageOrientation(wide ? QPageLayout::Landscape : QPageLayout::Portrait);
    const double magnify = printer.resolution() / 96.0;
    const int width = std::max(1, int(printer.width() / magnify));
    const int height = std::max(1, int(printer.height() / magnify));
    return maker.paintVectors(printer, wholeSchemeView(scheme, current, width, height), magnify);
}

} // namespace lumeris
