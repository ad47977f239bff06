// Where the program looks for "lumeris.txt": beside a binary run from its build folder, and in
// the user's own folder, filled once from the installed data, for an installed binary.
#include "app/program_folder.h"
#include "support/paths.h"

#include <gtest/gtest.h>

namespace lumeris::test {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolder, IsTheBinarysFolderOutsideAnInstallation) {
    ScratchDir dir;
    fs::create_directories(dir / "build/src");
    fs::create_directories(dir / "build/share/lumeris"); // data folder without a start-up scheme
    EXPECT_EQ(programFolder(dir / "build/src", dir / "user"), (dir / "build/src").string());
    EXPECT_FALSE(fs::exists(dir / "user"));
}

TEST(ProgramFolder, IsTheUsersFolderFilledOnceFromTheInstalledData) {
    ScratchDir dir;
    fs::create_directories(dir / "usr/bin");
    fs::create_directories(dir / "usr/share/lumeris/examples");
    writeFile(dir / "usr/share/lumeris/lumeris.txt", "start");
    writeFile(dir / "usr/share/lumeris/examples/demo.txt", "demo");
    writeFile(dir / "usr/share/lumeris/examples/lamp.bmp", "lamp");
    const fs::path user = dir / "home/.local/share/lumeris";

    EXPECT_EQ(programFolder(dir / "usr/bin", user), user.string());
    EXPECT_EQ(readFile(user / "lumeris.txt"), "start");
    EXPECT_EQ(readFile(user / "demo.txt"), "demo");
    EXPECT_EQ(readFile(user / "lamp.bmp"), "lamp");

    // The user's scheme is theirs from then on: kept, and what they removed stays removed.
    writeFile(user / "lumeris.txt", "edited");
    fs::remove(user / "demo.txt");
    EXPECT_EQ(programFolder(dir / "usr/bin", user), user.string());
    EXPECT_EQ(readFile(user / "lumeris.txt"), "edited");
    EXPECT_FALSE(fs::exists(user / "demo.txt"));

    // Without a user folder (no home) nothing is copied anywhere.
    EXPECT_EQ(programFolder(dir / "usr/bin", ""), (dir / "usr/bin").string());
    EXPECT_FALSE(fs::exists(dir / "usr/bin/lumeris.txt"));

    // A folder that cannot be made is given back all the same: opening then reports the
    // missing file as usual.
    writeFile(dir / "file", "");
    EXPECT_EQ(programFolder(dir / "usr/bin", dir / "file/lumeris"),
              (dir / "file/lumeris").string());
}

} // namespace
} // namespace lumeris::test
