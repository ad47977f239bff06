// The program's folder: where "lumeris.txt", the scheme opened when no file is named, lives.
#pragma once

#include <filesystem>
#include <string>

namespace lumeris {

// Run from its build folder, the program's folder is the binary's own. Installed (the binary
// in PREFIX/bin, its data in PREFIX/share/lumeris) that folder belongs to the system, yet the
// program writes its scheme back when it ends: the program's folder is then `userFolder`,
// filled on first use (when it holds no "lumeris.txt") with the installed start-up scheme and
// the examples it links to. A folder that cannot be filled stays as it is; opening its
// missing "lumeris.txt" then reports "Invalid data file" as for any missing start-up file;
// so does the binary's folder when there is no user folder (`userFolder` empty).
std::string programFolder(const std::filesystem::path& binaryFolder,
                          const std::filesystem::path& userFolder);

} // namespace lumeris
