// The writer of the scheme layout whose first line is "Lumeris 1.5".
#pragma once

#include "model/document.h"
#include "model/scheme.h"
#include "view/view_state.h"

#include <string>
#include <vector>

namespace lumeris {

// The version line and the captions, exactly as files hold them.
inline constexpr const char* VersionLine = "Lumeris 1.5";
inline constexpr const char* LegacyVersionLine = "Lumeris 1.4";
inline constexpr const char* HeaderCaption =
    "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage";
inline constexpr const char* ItemCaption =
    "Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext";
inline constexpr const char* LinkCaption = "LinkFrom To\tValue\tAndOr\tName";
inline constexpr const char* ViewsCaption = "Views";

// Writes the chosen part of the scheme: the items whose Mark is 2 (oldest first), the links
// whose two ends have Mark 2 (oldest first) and the views of the chosen projection items
// restricted to chosen items (newest projection first, entries in chain order). The header
// takes ScreenX, ScreenY and Scale from the view and BackGroundImage from the document.
std::vector<std::string> writeScheme(const Scheme& scheme, const ViewState& view,
                                     const Document& doc);

// The chosen part as text: each line of writeScheme followed by CR LF (the clipboard's copy).
std::string chosenBytes(const Scheme& scheme, const ViewState& view, const Document& doc);

// Exactly the bytes Save puts into a file: every item is marked 2 and written, the marks go
// back to 0, each line is followed by CR LF and one more CR LF ends the file. The caller puts
// the items at their base positions first (no view active).
std::string saveBytes(Scheme& scheme, const ViewState& view, const Document& doc);

} // namespace lumeris
