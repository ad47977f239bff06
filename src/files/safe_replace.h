// Replacing a scheme file without ever leaving a broken one behind: the new bytes go to a
// temporary file in the same folder first, and only once they are written and flushed does
// the old file become the backup and the new one take its name.
#pragma once

#include "wording/user_text.h"

#include <string>

namespace lumeris {

// Writes `bytes` to `path`, keeping the file it replaces as `backup` (an older backup is
// replaced; a missing file makes no backup). Returns false with a message in `error` when the
// new bytes could not be written; `path` and `backup` are then untouched.
bool replaceKeepingBackup(const std::string& path, const std::string& backup,
                          const std::string& bytes, UserText& error);

} // namespace lumeris
