// What every reader's fuzz target checks after a whole read: the saved text reads back.
#pragma once

#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"

#include <string>

namespace lumeris {

inline void trapUnlessSavedTextReadsBack(Scheme& scheme, ViewState& view, Document& doc) {
    const std::string written = saveBytes(scheme, view, doc);
    Scheme again;
    if (!readScheme(splitLines(written), ReadMode::load(), again, view, doc, nullptr))
        __builtin_trap();
}

} // namespace lumeris
