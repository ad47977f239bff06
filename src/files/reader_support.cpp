#include "reader_support.h"

#include <cmath>

namespace lumeris {

void applyStoredView(ViewState& view, std::int32_t screenX, std::int32_t screenY, float scale) {
    view.ScreenX = screenX;
    view.ScreenY = screenY;
    if (!(scale > 0) || std::isinf(scale)) {
        view.Scale = 1;
        view.ZoomLevel = 7;
        return;
    }
    view.Scale = scale;
    view.ZoomLevel = static_cast<std::int32_t>(std::nearbyint(std::log2(double{scale}))) + 7;
}

void loadItemPhoto(CPoint& item, const Document& doc, PictureLoader* pictures) {
    if (item.photo.empty() || !pictures)
        return;
    item.PhotoImage = pictures->loadPhoto(item.photo, doc.FileName);
}

void loadBackgroundPicture(const Document& doc, PictureLoader* pictures) {
    if (doc.BackGroundImage != "none" && pictures)
        pictures->loadBackground(doc);
}

} // namespace lumeris
