#include "app_fixture.h"

#include <QAction>

namespace lumeris::test {
namespace {

// The window's steps read and write NS.csv in the current folder, which follows the last save.
TEST_F(AppTest, StepsUseTheWorkbookOfTheFolderLastSavedIn) {
    std::filesystem::create_directory(dir / "b");
    writeFile(dir / "NS.csv", "0.25\r\n");
    writeFile(dir / "b/NS.csv", "-0.5\r\n");
    std::filesystem::current_path(dir.path());
    start(path("missing.txt"));
    CPoint* in = world.scheme.createItem("in", 0, 0);
    in->url = "DDE:R1C1";
    in->IsCust = 1;
    CPoint* out = world.scheme.createItem("out", 64, 0);
    out->url = "DDE:R1C2";
    world.scheme.createLink(in, out)->Value = -1;

    main().action("aStep")->trigger();
    main().action("aStep")->trigger();
    EXPECT_EQ(in->Value, 0.25f);
    EXPECT_EQ(out->Value, -0.25f);
    EXPECT_EQ(readFile(dir / "NS.csv"), "0.25,-0.2500\r\n");

    dialogs.files.push_back(path("b/scheme.txt"));
    main().action("aSaveAs")->trigger();
    main().action("aStep")->trigger();
    EXPECT_EQ(in->Value, -0.5f);
}

} // namespace
} // namespace lumeris::test
