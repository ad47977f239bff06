// A UserText as the window shows it: its wording looked up in the installed translation, then
// filled in.
#pragma once

#include "wording/user_text.h"

#include <QString>

namespace lumeris {

QString shown(const UserText& text);

} // namespace lumeris
