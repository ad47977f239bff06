// The pop-up menu command PasteLisp1 ("Paste Lisp src"): the clipboard's text imported as
// Lisp source at the world point under the pointer.
#pragma once

#include "program/world.h"

#include <string_view>

namespace lumeris {

// `clipboard` is the clipboard's text already converted to Windows-1251.
void PasteLisp1Click(World& world, std::string_view clipboard);

} // namespace lumeris
