#include "app_fixture.h"

#include <QAction>

namespace lumeris::test {
namespace {

using ExchangeActionsTest = AppTest;

// Файл → Импорт reads the file whole first: a malformed one is reported with its place and
// adds nothing. Файл → Экспорт writes the format the name's ending chooses.
TEST_F(ExchangeActionsTest, ImportAndExportThroughTheFileMenu) {
    makeScheme("one.txt", {"a"});
    start(path("one.txt"));
    writeFile(dir / "good.csv", "From,To\nx,y\n");
    writeFile(dir / "bad.graphml",
              "<graphml>\n<graph><edge source='a' target='b'/></graph></graphml>");

    dialogs.files = {path("good.csv"), path("bad.graphml")};
    main().action("aImport")->trigger();
    EXPECT_EQ(world.scheme.ItemCount, 3);
    EXPECT_EQ(world.scheme.LinkCount, 1);
    main().action("aImport")->trigger();
    EXPECT_EQ(world.scheme.ItemCount, 3);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("Ошибка в данных, строка 2, столбец 36: ", 0), 0u)
        << dialogs.messages[0].text;

    dialogs.files = {path("out.dot"), path("out.txt")};
    main().action("aExport")->trigger();
    EXPECT_EQ(readFile(dir / "out.dot").rfind("digraph scheme {\n", 0), 0u);
    main().action("aExport")->trigger();
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt"));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.fileDialogs,
              (std::vector<std::string>{"import", "import", "export", "export"}));
}

} // namespace
} // namespace lumeris::test
