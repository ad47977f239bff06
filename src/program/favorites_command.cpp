#include "program/favorites_command.h"

#include "import/favorites.h"
#include "view/transform.h"

namespace lumeris {

std::filesystem::path favoritesFolder(const std::filesystem::path& home) {
    std::error_code error;
    const std::filesystem::path favorites = home / "Favorites";
    return std::filesystem::is_directory(favorites, error) ? favorites : home;
}

void aAddFavoritesExecute(World& world, UserDialogs& dialogs, const std::filesystem::path& home) {
    const std::int32_t x = ToWorldX(world.view, world.input.LastMouseX);
    const std::int32_t y = ToWorldY(world.view, world.input.LastMouseY);
    const auto chosen = dialogs.openFile(OpenDialogKind::Photo, favoritesFolder(home).string());
    if (chosen)
        importFavorites(world.scheme, std::filesystem::path(*chosen).parent_path(), x, y);
    ++world.scheme.RedrawRequests;
}

void addFavoritesFolder(World& world, UserDialogs& dialogs, const std::filesystem::path& home) {
    const std::int32_t x = ToWorldX(world.view, world.input.LastMouseX);
    const std::int32_t y = ToWorldY(world.view, world.input.LastMouseY);
    if (const auto chosen =
            dialogs.openFile(OpenDialogKind::Folder, favoritesFolder(home).string()))
        importFavorites(world.scheme, *chosen, x, y);
    ++world.scheme.RedrawRequests;
}

} // namespace lumeris
