// "Paste Lisp src" as the window runs it: the clipboard's plain text, converted to
// Windows-1251, imported as Lisp source at the world point under the pointer.
#pragma once

#include "world.h"

namespace lumeris {

void pasteLispFromClipboard(World& world);

} // namespace lumeris
