#include "paint_fixture.h"
#include "support/paths.h"

#include <QPrinter>
#include <cstdlib>

namespace lumeris::test {
namespace {

// Rasterises the first page of a PDF at the printer's own resolution.
QImage rasterise(const ScratchDir& dir, const std::string& pdf, int dpi) {
    const std::string command = "pdftoppm -r " + std::to_string(dpi) + " -png -singlefile '" +
                                (dir / pdf).string() + "' '" + (dir / "page").string() + "'";
    if (std::system(command.c_str()) != 0)
        return {};
    return QImage(QString::fromStdString((dir / "page.png").string()))
        .convertToFormat(QImage::Format_RGB32);
}

bool reddish(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool bluish(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 215 && qRed(c) > 100;
}

// The page shows the canvas from its top-left corner, as large as it fits with its aspect:
// a 200 x 100 canvas with a red square in its left half and a blue line near its bottom.
TEST_F(PaintTest, PrintingPutsTheFrameTopLeftWithItsAspect) {
    resize(200, 100);
    ScratchDir dir;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString((dir / "frame.pdf").string()));
    printer.setFullPage(true);

    painter.Background = QImage(25, 25, QImage::Format_RGB32);
    painter.Background.fill(qRgb(255, 0, 0));
    painter.Background.setPixel(0, 24, qRgb(0, 255, 0)); // the transparent colour
    world.doc.BackGroundImage = "square.bmp";
    world.scheme.createLink(item("", -10, 90), item("", 260, 90))->Value = 1;
    painter.Printer = &printer;
    painter.PrintRequested = true;
    frame();

    EXPECT_FALSE(painter.PrintRequested);
    EXPECT_EQ(world.scheme.RedrawRequests, 1); // the grid comes back with the next frame
    EXPECT_EQ(at(80, 7), rgb(255, 255, 255));  // no grid line in the printed frame
    EXPECT_EQ(at(10, 10), rgb(255, 0, 0));

    const double k = std::min(printer.width() / 200.0, printer.height() / 100.0);
    const QImage page = rasterise(dir, "frame.pdf", printer.resolution());
    ASSERT_FALSE(page.isNull());
    ASSERT_GT(page.width(), int(200 * k) - 2);
    EXPECT_TRUE(reddish(page.pixel(2, 2)));
    EXPECT_TRUE(reddish(page.pixel(int(45 * k), int(45 * k))));
    EXPECT_FALSE(reddish(page.pixel(int(55 * k), int(45 * k))));
    // The line at canvas row 90 reaches the right edge of the printed picture.
    bool lineAtRight = false;
    for (int dy = -3; dy <= 3; ++dy)
        lineAtRight |= bluish(page.pixel(int(196 * k), int(90.5 * k) + dy));
    EXPECT_TRUE(lineAtRight);
    // Below the picture the page is blank.
    EXPECT_EQ(page.pixel(page.width() / 2, int(100 * k) + 20) | 0xFF000000, rgb(255, 255, 255));

    frame();
    EXPECT_EQ(at(80, 7), rgb(252, 252, 252));
    EXPECT_EQ(world.scheme.RedrawRequests, 0);
}

} // namespace
} // namespace lumeris::test
