// "Экспорт рисунка..." and "Печать всей схемы...": the files they write and the page they
// print, from the actions a menu shows.
#include "app_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QPrinter>

namespace lumeris::test {
namespace {

struct PictureExportTest : AppTest {
    // A wide scheme (or a tall one), far from the view the file stores.
    void startWith(bool wide) {
        makeScheme("scheme.txt", {});
        start(path("scheme.txt"));
        app->show();
        QCoreApplication::processEvents();
        world.scheme.createItem("west", 50000, 7000);
        world.scheme.createItem("east", wide ? 50600 : 50100, wide ? 7100 : 7500);
    }
};

TEST_F(PictureExportTest, ExportsTheWholeSchemeOrTheViewByTheEnding) {
    startWith(true);
    dialogs.exports = {{path("whole.svg"), true, 3},
                       {path("view.png"), false, 2},
                       {path("whole.pdf"), true, 1},
                       {path("picture.gif"), true, 1}};
    for (int i = 0; i < 4; ++i)
        main().action("aExportPicture")->trigger();
    EXPECT_EQ(dialogs.folders.front(), path("scheme.png")); // offered beside the scheme

    const std::string svg = readFile(path("whole.svg"));
    EXPECT_NE(svg.find(">west<"), std::string::npos);
    EXPECT_NE(svg.find(">east<"), std::string::npos);
    const QImage png(QString::fromStdString(path("view.png")));
    EXPECT_EQ(png.size(), QSize(2 * world.view.CanvasWidth, 2 * world.view.CanvasHeight));
    EXPECT_EQ(png.pixel(png.width() / 2, png.height() / 2), qRgb(255, 255, 255)); // nothing there
    EXPECT_NE(commandOutput("pdftotext '" + path("whole.pdf") + "' -").find("west"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path("picture.gif")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
}

TEST_F(PictureExportTest, PrintsTheWholeSchemeTurnedToItsShape) {
    for (const bool wide : {true, false}) {
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        const std::string file = path(wide ? "wide.pdf" : "tall.pdf");
        pdf.setOutputFileName(QString::fromStdString(file));
        printer = &pdf;
        startWith(wide);
        dialogs.confirmPrint = true;
        main().action("aPrintWhole")->trigger();

        const std::string info = commandOutput("pdfinfo '" + file + "'");
        double width = 0, height = 0;
        const auto at = info.find("Page size:");
        ASSERT_NE(at, std::string::npos) << info;
        std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &width, &height);
        EXPECT_EQ(width > height, wide) << info;
        const std::string text = commandOutput("pdftotext '" + file + "' -");
        EXPECT_NE(text.find("west"), std::string::npos);
        EXPECT_NE(text.find("east"), std::string::npos);
        app.reset();
    }
}

} // namespace
} // namespace lumeris::test
