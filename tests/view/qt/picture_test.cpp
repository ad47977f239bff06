// Pictures of the scheme: the raster one is the canvas's frame, and the SVG and PDF ones
// hold the same drawing as vectors and text.
#include "paint_fixture.h"
#include "support/paths.h"
#include "text/qt/cp1251.h"
#include "view/qt/layers.h"
#include "view/qt/picture.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cstdlib>

namespace lumeris::test {
namespace {

class PictureTest : public PaintTest {
  protected:
    PictureTest() {
        resize(480, 320);
        // Every kind of sprite and mark, links of both signs, a hidden item, traces.
        CPoint* rain = item("\xC4\xEE\xE6\xE4\xFC", 60, 60, TypeReal, 0.7f); // "Дождь"
        CPoint* fuzzy = item("fuzzy", 260, 40, TypeFuzzy, -0.5f);
        CPoint* yes = item("yes", 400, 150, TypeBoolean, 1);
        CPoint* flag = item("flag", 80, 250, TypeFlag, 1);
        hub = item("*hub", 250, 200, TypeReal, 0.2f);
        CPoint* view = item("view", 380, 280, TypeProjection);
        CPoint* linked = item("linked", 150, 150, TypeReal, -1);
        linked->url = "second.txt";
        linked->text = "a note";
        linked->AndOr = 0.25f;
        item("hidden", 330, 110)->Vis = false;
        const std::pair<CPoint*, CPoint*> links[] = {
            {rain, fuzzy}, {fuzzy, yes}, {rain, linked}, {linked, hub},
            {flag, hub},   {hub, view},  {yes, view},    {flag, rain},
        };
        float value = -1;
        for (const auto& [from, to] : links) {
            world.scheme.createLink(from, to)->Value = value;
            value += 0.25f;
        }
        world.scheme.addTrace(yes, linked)->Value = -0.6f;
        world.scheme.addTrace(yes, flag)->Value = 0.3f;
        world.eval.ShowValues = true;
        world.eval.ShowVolumes = true;
    }

    // The canvas's frame as printing draws it: without the grid.
    QImage canvasFrame() {
        painter.PrintRequested = true;
        frame();
        return surface.Front;
    }
    std::string names() const {
        std::string all;
        for (const CPoint* p = world.scheme.ItemList; p; p = p->Next)
            all += p->Name + "\n";
        return all;
    }
    static constexpr int VisibleLinks = 8;
    CPoint* hub;
};

TEST_F(PictureTest, PngAtScaleOneIsTheCanvasFrame) {
    for (const int level : {3, 6, 7, 9})
        for (const bool toggles : {false, true}) {
            setLevel(level);
            world.eval.ShowValues = world.eval.ShowVolumes = world.view.ShowNames = toggles;
            PictureMaker maker(world, painter.Background);
            EXPECT_EQ(maker.image(world.view), canvasFrame()) << level << " " << toggles;
        }
}

TEST_F(PictureTest, FocusIsLeftOutAndKeptForTheCanvas) {
    PictureMaker maker(world, painter.Background);
    const QImage calm = maker.image(world.view);
    world.scheme.EditState = EditItemSelected;
    world.scheme.Selected.item = hub;
    world.scheme.HoverKind = HoverItem;
    world.scheme.Hovered.item = hub;
    world.input.BandActive = true;
    world.input.BandRight = world.input.BandBottom = 100;
    updateNameColours(world.scheme);
    std::vector<std::uint32_t> colours;
    for (const CPoint* p = world.scheme.ItemList; p; p = p->Next)
        colours.push_back(p->NameColor);

    EXPECT_EQ(maker.image(world.view), calm);
    EXPECT_EQ(world.scheme.Selected.item, hub);
    EXPECT_EQ(world.scheme.Hovered.item, hub);
    EXPECT_TRUE(world.input.BandActive);
    auto colour = colours.begin();
    for (const CPoint* p = world.scheme.ItemList; p; p = p->Next)
        EXPECT_EQ(p->NameColor, *colour++);
}

TEST_F(PictureTest, SvgHoldsNamesAsTextAndOneLinePerLinkSegment) {
    ScratchDir dir;
    PictureMaker maker(world, painter.Background);
    const QString path = QString::fromStdString((dir / "scheme.svg").string());
    ASSERT_EQ(maker.write(world.view, path, PictureFormat::Svg), QString());
    EXPECT_EQ(std::system(("xmllint --noout '" + path.toStdString() + "'").c_str()), 0);

    // Link segments are the lines in the two tones: full red with equal green and blue, or
    // full blue with equal red and green (underlines are in the text's colour).
    auto twoTone = [](const QColor& c) {
        return (c.red() == 255 && c.green() == c.blue() && c.green() < 255) ||
               (c.blue() == 255 && c.red() == c.green() && c.red() < 255);
    };
    QStringList texts;
    int lines = 0;
    std::vector<QColor> strokes{Qt::black}; // of the groups the reader is in
    QXmlStreamReader svg(QByteArray::fromStdString(readFile(path.toStdString())));
    while (!svg.atEnd()) {
        const auto token = svg.readNext();
        if (token == QXmlStreamReader::EndElement && svg.name() == u"g")
            strokes.pop_back();
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (svg.name() == u"g")
            strokes.push_back(QColor(svg.attributes().value("stroke").toString()));
        if (svg.name() == u"text")
            texts << svg.readElementText().trimmed();
        lines += (svg.name() == u"polyline" || svg.name() == u"line") && twoTone(strokes.back());
    }
    ASSERT_FALSE(svg.hasError());
    for (const CPoint* p = world.scheme.ItemList; p; p = p->Next) // hidden ones in pale grey
        EXPECT_TRUE(texts.contains(fromCp1251(p->Name))) << p->Name;
    EXPECT_TRUE(texts.contains("0.700"));         // a value
    EXPECT_TRUE(texts.contains("-0.600 linked")); // a trace's caption
    EXPECT_EQ(lines, 2 * VisibleLinks);           // each link's two tones
    EXPECT_NE(readFile(path.toStdString()).find("<image"), std::string::npos); // sprites
}

TEST_F(PictureTest, PdfIsOnePageWhoseTextHoldsTheNames) {
    ScratchDir dir;
    PictureMaker maker(world, painter.Background);
    const std::string path = (dir / "scheme.pdf").string();
    ASSERT_EQ(maker.write(world.view, QString::fromStdString(path), PictureFormat::Pdf), QString());
    EXPECT_NE(commandOutput("pdfinfo '" + path + "'").find("Pages:           1"),
              std::string::npos);
    const QString text = QString::fromStdString(commandOutput("pdftotext '" + path + "' -"));
    for (const CPoint* p = world.scheme.ItemList; p; p = p->Next)
        EXPECT_TRUE(text.contains(fromCp1251(p->Name))) << p->Name;
}

// The SVG drawn back to pixels by another renderer looks like the PNG. They cannot match
// pixel for pixel: the renderer smooths the edges of the lines that the canvas sets pixel by
// pixel, and its text comes out of another rasteriser. So the pictures are compared in blocks
// of 8 x 8 pixels by their average colour. Here the blocks differ by 0.26 levels on average and
// by 12 at most (a block of glyphs); the bounds allow about three and two times that. A sprite
// left out or a name written a line lower moves its blocks by 30 levels and more, and lines
// drawn off their place raise the average.
TEST_F(PictureTest, SvgDrawnBackLooksLikeThePng) {
    ScratchDir dir;
    PictureMaker maker(world, painter.Background);
    const std::string svg = (dir / "scheme.svg").string(), back = (dir / "back.png").string();
    ASSERT_EQ(maker.write(world.view, QString::fromStdString(svg), PictureFormat::Svg), QString());
    ASSERT_EQ(std::system(("rsvg-convert -w 480 -h 320 '" + svg + "' -o '" + back + "'").c_str()),
              0);
    const QImage drawn = QImage(QString::fromStdString(back)).convertToFormat(QImage::Format_RGB32);
    const QImage png = maker.image(world.view);
    ASSERT_EQ(drawn.size(), png.size());

    auto block = [](const QImage& image, int bx, int by) {
        double sum[3] = {};
        for (int y = by; y < by + 8; ++y)
            for (int x = bx; x < bx + 8; ++x) {
                const QRgb c = image.pixel(x, y);
                sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c);
            }
        return std::array<double, 3>{sum[0] / 64, sum[1] / 64, sum[2] / 64};
    };
    double worst = 0, total = 0;
    int blocks = 0;
    for (int by = 0; by + 8 <= png.height(); by += 8)
        for (int bx = 0; bx + 8 <= png.width(); bx += 8, ++blocks) {
            const auto a = block(png, bx, by), b = block(drawn, bx, by);
            for (int c = 0; c < 3; ++c) {
                worst = std::max(worst, std::fabs(a[c] - b[c]));
                total += std::fabs(a[c] - b[c]) / 3;
            }
        }
    EXPECT_LT(total / blocks, 0.75);
    EXPECT_LT(worst, 24);
}

TEST(PictureFormat, ChosenByTheEnding) {
    EXPECT_EQ(pictureFormatOf("a.png"), PictureFormat::Png);
    EXPECT_EQ(pictureFormatOf("/x/b.SVG"), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatOf("c.Pdf"), PictureFormat::Pdf);
    EXPECT_EQ(pictureFormatOf("d.png.txt"), std::nullopt);
    EXPECT_EQ(pictureFormatOf("png"), std::nullopt);
}

} // namespace
} // namespace lumeris::test
