#include "import/favorites_command.h"
#include "import/lisp_command.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris {
namespace {

using test::ScratchDir;
using test::writeFile;

// Answers the open dialog with a scripted choice and records where it started.
class ScriptedDialogs : public UserDialogs {
  public:
    std::optional<std::string> Choice;
    std::string OpenedIn;
    OpenDialogKind Kind = OpenDialogKind::Scheme;

    void message(const std::string&, const std::string&, MessageIcon) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> openFile(OpenDialogKind kind, const std::string& folder) override {
        Kind = kind;
        OpenedIn = folder;
        return Choice;
    }
    std::optional<std::string> saveFile(const std::string&) override { return {}; }
    std::optional<std::string> pickPicture(const std::string&) override { return {}; }
    bool printDialog() override { return false; }
};

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
    dialogs.Choice = (home / "Favorites" / "site.url").string();
    aAddFavoritesExecute(world, dialogs, home.path());
    EXPECT_EQ(dialogs.Kind, OpenDialogKind::Photo);
    EXPECT_EQ(dialogs.OpenedIn, (home / "Favorites").string());
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
    EXPECT_EQ(dialogs.OpenedIn, home.path().string());
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
