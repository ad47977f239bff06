// Pieces both scheme readers share: the error that stops them, the stored view and the item
// pictures.
#pragma once

#include "model/document.h"
#include "model/objects.h"
#include "platform/picture_loader.h"
#include "view/view_state.h"

#include <cstdint>

namespace lumeris {

// Thrown inside a reader on a data or conversion error; the reader's entry point catches it
// and turns it into a ReadResult, so it never leaves the files layer.
struct DataError {
    int line;
};

// Takes over the header's view values: ZoomLevel = round(log2(Scale)) + 7, half to even. A
// Scale that is not a positive number cannot be divided by, so the view keeps Scale 1 and
// ZoomLevel 7 then.
void applyStoredView(ViewState& view, std::int32_t screenX, std::int32_t screenY, float scale);

// Loads the item's `photo` through the loader; an unloadable picture leaves the item without
// one, and a null loader loads nothing.
void loadItemPhoto(CPoint& item, const Document& doc, PictureLoader* pictures);

// LoadBackgroundPicture after a header named a background other than "none".
void loadBackgroundPicture(const Document& doc, PictureLoader* pictures);

} // namespace lumeris
