// The reader of the older layout whose first line is "Lumeris 1.4". Nothing writes it; the
// next save writes the scheme in the current layout.
#pragma once

#include "files/read_result.h"
#include "model/document.h"
#include "model/scheme.h"
#include "platform/picture_loader.h"
#include "view/view_state.h"

#include <string_view>

namespace lumeris {

// Reads the whole file's bytes (the first two lines are not looked at; the caller compared
// the version line) into the emptied scheme, taking over the header's view values and
// background. LastId becomes the highest id read. A data or conversion error stops reading
// and returns the message with the line number counted from 1 (the header values are line 4,
// the first item line 5), leaving what was read so far.
ReadResult readLegacy(std::string_view bytes, Scheme& scheme, ViewState& view, Document& doc,
                      PictureLoader* pictures);

} // namespace lumeris
