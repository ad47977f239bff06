// The window command aAddFavorites ("Вставить Избранное"): the user picks a file in the
// bookmark folder through OpenDialog2, and that file's folder is imported at the world point
// under the pointer.
#pragma once

#include "platform/user_dialogs.h"
#include "program/world.h"

#include <filesystem>

namespace lumeris {

// The dialog's initial folder: `home`/Favorites when it exists, else `home`.
std::filesystem::path favoritesFolder(const std::filesystem::path& home);

// Creates nothing when the dialog is cancelled; requests a repaint either way.
void aAddFavoritesExecute(World& world, UserDialogs& dialogs, const std::filesystem::path& home);

// The same import of a folder the user picks as a folder (the menu bar's entry).
void addFavoritesFolder(World& world, UserDialogs& dialogs, const std::filesystem::path& home);

} // namespace lumeris
