// The open procedure's reading half: which reader a file goes to, and what came of it.
// Showing the messages, the title and the run toggle belong to the window.
#pragma once

#include "files/read_result.h"
#include "model/document.h"
#include "model/scheme.h"
#include "platform/picture_loader.h"
#include "view/view_state.h"

#include <string>

namespace lumeris {

enum class OpenCase {
    Current, // first line "Lumeris 1.5": read in load mode
    Legacy,  // first line "Lumeris 1.4": read by the legacy reader
    Invalid, // anything else, or no such file: "Invalid data file"
};

struct OpenResult {
    OpenCase which;
    ReadResult read;  // the reader's outcome (a failure for Invalid)
    UserText message; // what the window shows; empty when there is nothing to show
};

// Resets the view (0, 0, scale 1, level 7), empties the scheme when it holds anything, makes
// `path` the document's FileName and reads the file by its first line. An invalid file leaves
// the scheme empty and FileName empty. For a legacy file read whole, the message is the notice
// that the file is in format 1.4; for a data error it is the reader's message.
OpenResult openSchemeFile(const std::string& path, Scheme& scheme, ViewState& view, Document& doc,
                          PictureLoader* pictures);

// The notice shown after a legacy file was opened.
UserText legacyFormatNotice(const std::string& fileName);

} // namespace lumeris
