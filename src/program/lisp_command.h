// The pop-up menu command PasteLisp1 ("Paste Lisp src"): the clipboard's text imported as
// Lisp source at the world point under the pointer; and the same from a file.
#pragma once

#include "program/world.h"

#include <string>

#include <string_view>

namespace lumeris {

// `clipboard` is the clipboard's text already converted to Windows-1251.
void PasteLisp1Click(World& world, std::string_view clipboard);

// The same import from a file (its bytes taken as Windows-1251 text). False, with nothing
// imported, when the file cannot be read.
bool importLispFile(World& world, const std::string& path);

} // namespace lumeris
