// A folder tree of browser bookmarks as a scheme fragment: each folder an item named "* " +
// its name, each file an item carrying the shortcut's address in `url`, each linked (with
// coefficient 0) to its folder's item and laid out as an indented listing.
#pragma once

#include "model/scheme.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace lumeris {

// Walks `folder` as the folder the user chose, its item named "* Избранное", placing items
// from world point (x, y). Entries are taken in the byte order of their names, which are
// converted from UTF-8 to Windows-1251. Each real folder is walked once; a symbolic link to
// a folder, like a folder met again, gives its item but is not entered. Unreadable folders
// give their item only; a file that is no readable shortcut gets the address "ERROR".
// Addresses, like names, are converted from UTF-8 to Windows-1251.
void importFavorites(Scheme& scheme, const std::filesystem::path& folder, std::int32_t x,
                     std::int32_t y);

// The value of key "URL" in section "InternetShortcut" of an initialisation file, read as
// the system reads such files: names without regard to case, blanks around names and values
// and a pair of quotes around the value dropped. The value is the file's UTF-8 text.
std::optional<std::string> readShortcutUrl(std::istream& file);

} // namespace lumeris
