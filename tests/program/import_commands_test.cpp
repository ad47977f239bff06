#include "program/favorites_command.h"
#include "program/lisp_command.h"
#include "support/paths.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::ScratchDir;
using test::ScriptedDialogs;
using test::writeFile;

// The pointer at canvas (10, 20) over a view whose corner is world (100, 200) at Scale 1.
void pointAt(World& world) {
    world.view.ScreenX = 100;
    world.view.ScreenY = 200;
    world.input.LastMouseX = 10;
    world.input.LastMouseY = 20;
}

TEST(ImportCommands, FavoritesImportTheChosenFilesFolderAtThePointer) {
    ScratchDir home;
    std::filesystem::create_directory(home / "Favorites");
    writeFile(home / "Favorites" / "site.url", "[InternetShortcut]\nURL=http://site\n");
    EXPECT_EQ(favoritesFolder(home.path()), home / "Favorites");

    World world;
    pointAt(world);
    ScriptedDialogs dialogs;
    dialogs.files.push_back((home / "Favorites" / "site.url").string());
    aAddFavoritesExecute(world, dialogs, home.path());
    EXPECT_EQ(dialogs.fileDialogs, std::vector<std::string>{"photo"});
    EXPECT_EQ(dialogs.folders.back(), (home / "Favorites").string());
    ASSERT_EQ(world.scheme.ItemCount, 2);
    EXPECT_EQ(world.scheme.ItemTail->X, 110);
    EXPECT_EQ(world.scheme.ItemTail->Y, 220);
    EXPECT_EQ(world.scheme.ItemList->url, "http://site");
    EXPECT_EQ(world.scheme.RedrawRequests, 1);
}

TEST(ImportCommands, CancelledFavoritesCreateNothingButRepaint) {
    ScratchDir home;
    EXPECT_EQ(favoritesFolder(home.path()), home.path());
    World world;
    ScriptedDialogs dialogs;
    aAddFavoritesExecute(world, dialogs, home.path());
    EXPECT_EQ(dialogs.folders.back(), home.path().string());
    EXPECT_EQ(world.scheme.ItemCount, 0);
    EXPECT_EQ(world.scheme.RedrawRequests, 1);
    EXPECT_EQ(world.scheme.BusyDepth, 0);
}

TEST(ImportCommands, LispLandsAtThePointer) {
    World world;
    pointAt(world);
    PasteLisp1Click(world, "(a)");
    ASSERT_EQ(world.scheme.ItemCount, 2);
    EXPECT_EQ(world.scheme.ItemTail->X, 110);
    EXPECT_EQ(world.scheme.ItemTail->Y, 220);
    EXPECT_EQ(world.scheme.ItemList->X, 142);
}

} // namespace
} // namespace lumeris
