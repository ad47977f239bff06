// The reader of the scheme layout whose first line is "Lumeris 1.5", in load and paste modes.
#pragma once

#include "files/read_result.h"
#include "model/document.h"
#include "model/scheme.h"
#include "platform/picture_loader.h"
#include "view/view_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumeris {

struct ReadMode {
    enum Kind { Load, Paste };
    Kind kind = Load;
    std::int32_t PointerX = 0; // paste: the world point under the pointer
    std::int32_t PointerY = 0;

    static ReadMode load() { return {}; }
    static ReadMode paste(std::int32_t x, std::int32_t y) { return {Paste, x, y}; }
};

// Reads `lines` (the first two are not looked at) into the scheme.
// Load mode fills the emptied scheme, takes over the header's view values and the background
// picture, and sets LastId to the highest id read.
// Paste mode adds the fragment's items with fresh ids around the pointer and marks them 2;
// the header's BackGroundImage still becomes the document's.
// A data or conversion error stops reading and returns the message with the line index
// counted from 0. Load mode leaves what was read so far; paste mode first removes everything
// this paste added, so the scheme is as it was before it.
ReadResult readScheme(const std::vector<std::string>& lines, const ReadMode& mode, Scheme& scheme,
                      ViewState& view, Document& doc, PictureLoader* pictures);

} // namespace lumeris
