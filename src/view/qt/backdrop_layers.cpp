// The layers under the scheme: the grid, the background picture, the active view's plate
// and the items' photos.
#include "platform/qt/qt_picture.h"
#include "view/grid_layers.h"
#include "view/label_text.h"
#include "view/qt/layers.h"
#include "view/transform.h"

#include <algorithm>
#include <cstdint>

namespace lumeris {
namespace {} // namespace

QImage withTransparency(const QImage& picture) {
    if (picture.isNull())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] == transparent)
                row[x] = 0;
    }
    return image;
}

namespace {

// 2 * trunc(size * scale), exact and saturating: a file may store any Scale.
int stretchedSize(int size, float scale) {
    return 2 * std::min(truncToInt(size * static_cast<long double>(scale)), INT32_MAX / 2);
}

// One world unit per two picture pixels, anchored with its top-left corner at (x, y), or
// with its lower-left corner there when `above` is set. The picture is already see-through
// where its transparent colour was.
void stretchPicture(PaintFrame& frame, const QImage& picture, int x, int y, bool above) {
    if (picture.isNull())
        return;
    const int w = stretchedSize(picture.width(), frame.view.Scale);
    const int h = stretchedSize(picture.height(), frame.view.Scale);
    if (w <= 0 || h <= 0)
        return;
    const QRect target(x, above ? y - h : y, w, h);
    if (target.intersects(QRect(0, 0, frame.shapes.width(), frame.shapes.height())))
        frame.painter.drawImage(target, picture);
}

} // namespace

void paintGrid(PaintFrame& frame) {
    const ViewState& view = frame.view;
    for (const GridLayer& layer : gridLayers(view.ZoomLevel, view.Scale)) {
        const QRgb colour = qRgb(layer.grey, layer.grey, layer.grey);
        for (std::int64_t v = gridStart(view.ScreenX, layer.spacing);
             frame.toScreenX(float(v)) < view.CanvasWidth; v += layer.spacing) {
            const int x = frame.toScreenX(float(v));
            frame.shapes.line(x, 0, x, view.CanvasHeight, colour);
        }
        for (std::int64_t v = gridStart(view.ScreenY, layer.spacing);
             frame.toScreenY(float(v)) < view.CanvasHeight; v += layer.spacing) {
            const int y = frame.toScreenY(float(v));
            frame.shapes.line(0, y, view.CanvasWidth, y, colour);
        }
    }
}

void paintBackground(PaintFrame& frame, const QImage& picture) {
    if (frame.world.doc.BackGroundImage == "none")
        return;
    stretchPicture(frame, picture, frame.toScreenX(0), frame.toScreenY(0), false);
}

void paintPhotos(PaintFrame& frame, ItemsOnScreen items) {
    frame.setFontSize(nameFontSize(frame.view.Scale));
    for (const CPoint* item : items) {
        if (!item->Vis)
            continue;
        const ScreenPoint s = frame.screenOf(item);
        const bool activeView = item == frame.scheme.CurrentView;
        if (activeView) {
            const QRgb plate = qRgb(0xD0, 0xE0, 0xFF);
            frame.roundRect(s.x - 9, s.y - 10, s.x + 12 + frame.textWidth(item->Name), s.y + 9,
                            qRgb(0xB0, 0xC0, 0xE0), &plate);
        }
        const auto* photo = dynamic_cast<const QtPicture*>(item->PhotoImage.get());
        if (photo && (item->Type != TypeProjection || activeView))
            stretchPicture(frame, photo->image, s.x, s.y - 8, true); // white already see-through
    }
}

} // namespace lumeris
