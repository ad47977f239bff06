#include "paint_fixture.h"

#include <QFont>
#include <QFontMetrics>

namespace lumeris::test {
namespace {

// Two items on row 50 joined left to right; the handle lies at x = 70.
class LinkPaintTest : public PaintTest {
  protected:
    CLink* joined(float coefficient) {
        CLink* link = world.scheme.createLink(item("", 20, 50), item("", 170, 50));
        link->Value = coefficient;
        return link;
    }
};

TEST_F(LinkPaintTest, PaleLinkForCoefficientZero) {
    joined(0);
    frame();
    EXPECT_EQ(at(40, 50), rgb(255, 230, 230)); // first third, next to the source
    EXPECT_EQ(at(150, 50), rgb(230, 230, 255));
    EXPECT_EQ(at(73, 50), rgb(0xFA, 0xFA, 0xFA)); // the arrowhead's tip
    EXPECT_EQ(at(71, 50), rgb(255, 255, 255));    // filled white over the line
}

TEST_F(LinkPaintTest, StrongLinkForCoefficientOne) {
    CLink* link = joined(-1);
    frame();
    EXPECT_EQ(at(40, 50), rgb(255, 160, 160));
    EXPECT_EQ(at(150, 50), rgb(160, 160, 255));
    // The arrow's grey is trunc(250 - 70 * |Value|).
    EXPECT_EQ(at(73, 50), rgb(180, 180, 180));
    EXPECT_EQ(at(66, 53), rgb(180, 180, 180)); // a barb

    // Into an item whose name starts with "*": a very pale arrowhead.
    link->To->Name = "*sink";
    frame();
    EXPECT_EQ(at(73, 50), rgb(0xE8, 0xE8, 0xE8));
}

// Sizes and shades from values are exact products: in single precision 20 * 0.7 rounds up to
// 14 before the truncation, and 230 - 70 * 0.2 up to 216.
TEST_F(LinkPaintTest, ValuesGiveTruncatedExactProducts) {
    const struct {
        float value;
        int bar, shade, grey;
    } rows[] = {{0.7f, 13, 181, 201}, {0.35f, 6, 205, 225}, {0.2f, 4, 215, 235}};
    CLink* link = joined(0);
    CVolume* trace = world.scheme.addTrace(item("", 50, 100, TypeReal, 0.25f), link->From);
    world.eval.ShowVolumes = true;
    for (const auto& row : rows) {
        link->Value = -row.value;
        trace->Value = row.value;
        frame();
        EXPECT_EQ(at(40, 50), rgb(255, row.shade, row.shade)) << row.value;
        EXPECT_EQ(at(73, 50), rgb(row.grey, row.grey, row.grey)) << row.value;
        EXPECT_EQ(at(51 + row.bar, 110), rgb(0xE0, 0x20, 0x20)) << row.value;
        EXPECT_EQ(at(52 + row.bar, 110), rgb(255, 255, 255)) << row.value;
    }
}

TEST_F(LinkPaintTest, HiddenLinksAndOverviewLevelsDrawNoArrowhead) {
    joined(1);
    world.view.ShowLinks = false;
    frame();
    EXPECT_EQ(at(40, 50), rgb(255, 255, 255));
    EXPECT_EQ(at(73, 50), rgb(255, 255, 255));

    world.view.ShowLinks = true;
    setLevel(4); // handle at screen (8, 6): arrowheads still drawn
    frame();
    EXPECT_EQ(at(11, 6), rgb(180, 180, 180));
    setLevel(3); // handle at (4, 3): no arrowhead, only the line
    frame();
    EXPECT_EQ(at(3, 3), rgb(255, 160, 160));
    EXPECT_EQ(at(7, 3), rgb(160, 160, 255));
}

TEST_F(LinkPaintTest, FocusColoursTheLinksOfTheSelectedItem) {
    CLink* link = joined(1);
    world.scheme.EditState = EditItemSelected;
    world.scheme.Selected.item = link->To;
    frame();
    EXPECT_EQ(at(73, 50), rgb(0, 0, 0xFF));        // into the selection, positive: blue arrow
    EXPECT_EQ(at(120, 51), rgb(0x60, 0x60, 0xF0)); // the thick line's second row
    EXPECT_EQ(link->From->NameColor, 0x0000B0u);

    world.scheme.Selected.item = link->From;
    link->Value = -0.5f;
    frame();
    EXPECT_EQ(at(73, 50), rgb(0, 0, 0xFF)); // out of it against its sign: blue
    EXPECT_EQ(at(120, 51), rgb(0xF0, 0x60, 0x60));
    EXPECT_EQ(link->To->NameColor, 0xB00000u);
    EXPECT_EQ(link->From->NameColor, 0u);
}

TEST_F(LinkPaintTest, LinkToAHiddenItemShowsOnlyWhenItTouchesTheFocus) {
    CLink* link = joined(1);
    link->From->Vis = false;
    frame();
    EXPECT_EQ(at(40, 50), rgb(255, 255, 255)); // no pass-1 line
    EXPECT_EQ(at(73, 50), rgb(255, 255, 255));
    EXPECT_EQ(at(20, 50), rgb(0xE0, 0xE0, 0xE0)); // the hidden item's grey square

    world.scheme.EditState = EditItemSelected;
    world.scheme.Selected.item = link->To;
    frame();
    EXPECT_EQ(at(40, 50), rgb(0x60, 0x60, 0xF0)); // only the thick line of pass 2
    EXPECT_EQ(at(73, 50), rgb(0, 0, 0xFF));
}

TEST_F(PaintTest, GridShadesFollowTheLayers) {
    world.view.ScreenX = 0;
    frame();
    EXPECT_EQ(at(80, 7), rgb(252, 252, 252));  // 16 units only
    EXPECT_EQ(at(32, 7), rgb(248, 248, 248));  // 32
    EXPECT_EQ(at(128, 7), rgb(240, 240, 240)); // 128
    EXPECT_EQ(at(0, 7), rgb(204, 204, 204));   // 512
    EXPECT_EQ(at(81, 7), rgb(255, 255, 255));
    setLevel(1);
    frame();
    EXPECT_EQ(at(0, 7), rgb(255, 255, 255));
}

TEST_F(PaintTest, TintedBallCentres) {
    CPoint* p = item("", 100, 60, TypeReal, 1);
    frame();
    const QRgb centre = painter.sprites.iBall0.pixel(6, 6);
    EXPECT_EQ(at(100, 60), rgb(255, qGreen(centre), qBlue(centre)));
    p->Value = -0.5f;
    frame();
    EXPECT_EQ(at(100, 60), rgb(qRed(centre), qGreen(centre), std::min(255, qBlue(centre) + 127)));
    EXPECT_EQ(at(100, 66), rgb(255, 255, 255)); // white surroundings stay transparent
    p->Value = 0.00009f;
    frame();
    EXPECT_EQ(at(100, 60), centre);
}

TEST_F(PaintTest, DotsUpToLevelThreeSpritesAbove) {
    setLevel(3);
    item("", 160, 160, TypeReal, 1);
    item("", 160, 480, TypeReal, -0.5f);
    frame();
    EXPECT_EQ(at(10, 10), rgb(255, 0, 0));
    EXPECT_EQ(at(11, 10), rgb(255, 0, 0));
    EXPECT_EQ(at(12, 10), rgb(255, 255, 255));
    EXPECT_EQ(at(10, 30), rgb(0, 0, 127));
    setLevel(4);
    frame();
    const QRgb centre = painter.sprites.iBall0.pixel(6, 6);
    EXPECT_EQ(at(20, 20), rgb(255, qGreen(centre), qBlue(centre)));
}

TEST_F(PaintTest, BooleanThreshold) {
    CPoint* p = item("", 100, 60, TypeBoolean, 0.00004f);
    frame();
    EXPECT_EQ(at(100, 60), painter.sprites.iBool0.pixel(6, 6));
    p->Value = 0.00005f;
    frame();
    EXPECT_EQ(at(100, 60), painter.sprites.iBool1.pixel(6, 6));
    EXPECT_EQ(at(100, 60), rgb(0xFF, 0, 0));
}

// The fixed-value mark: a framed, ticked box at (sx - 1, sy + 1) through which the ball shows.
TEST_F(PaintTest, FixedValueMarkKeepsItsBorderAndShowsTheBallInside) {
    CPoint* p = item("", 100, 60);
    frame();
    const QRgb inside = at(101, 63);
    EXPECT_EQ(inside, painter.sprites.iBall0.pixel(7, 9)); // a pixel of the ball
    p->IsCust = 1;
    frame();
    const QRgb border = rgb(0x40, 0x40, 0x40);
    const std::pair<int, int> edges[] = {{99, 61}, {107, 61}, {99, 69}, {107, 69}, {103, 69}};
    for (const auto& [x, y] : edges)
        EXPECT_EQ(at(x, y), border) << x << "," << y;
    EXPECT_EQ(at(101, 63), inside);
    EXPECT_EQ(at(101, 65), rgb(0, 0, 0));      // the tick
    EXPECT_EQ(at(99, 70), rgb(255, 255, 255)); // the transparent bottom row
}

// The background spans 2 * trunc(width * Scale) pixels, the product taken exactly.
TEST_F(PaintTest, BackgroundSizeIsTheExactProduct) {
    painter.Background = QImage(10, 10, QImage::Format_RGB32);
    painter.Background.fill(rgb(255, 0, 0));
    painter.Background.setPixel(0, 9, rgb(255, 255, 255)); // the transparent colour
    world.doc.BackGroundImage = "back.bmp";
    world.view.Scale = 0.7f; // as a file may store it
    frame();
    EXPECT_EQ(at(10, 7), rgb(255, 0, 0)); // between the grid lines
    EXPECT_NE(at(13, 7), rgb(255, 0, 0)); // single precision gives 2 * 7 = 14
}

// The rightmost dark column of a name written at (x, top).
int inkRight(const Surface& surface, int x, int top, int height) {
    int right = -1;
    for (int y = top; y < top + height; ++y)
        for (int i = x; i < surface.Front.width(); ++i)
            if (qGray(surface.pixelAt(i, y)) < 128)
                right = std::max(right, i);
    return right;
}

TEST_F(PaintTest, StarNameIsBoldWithGroupSpriteAndNoTraceBars) {
    resize(320, 160);
    CPoint* source = item("src", 250, 140, TypeReal, 1);
    CPoint* group = item("*mrtmrtmrtmrt", 40, 60, TypeReal, 0.5f);
    world.scheme.addTrace(group, source)->Value = 0.5f;
    world.eval.ShowVolumes = true;
    frame();
    EXPECT_EQ(at(40, 60), painter.sprites.iGroup.pixel(6, 6));
    EXPECT_EQ(at(41, 68), rgb(255, 255, 255)); // no trace frame under it

    QFont font("Arial Cyr");
    font.setPointSize(11);
    const int plain = QFontMetrics(font, &surface.Back).horizontalAdvance("*mrtmrtmrtmrt");
    font.setBold(true);
    const int bold = QFontMetrics(font, &surface.Back).horizontalAdvance("*mrtmrtmrtmrt");
    ASSERT_GT(bold, plain + 4);
    const int right = inkRight(surface, 48, 48, 16);
    EXPECT_GT(right, 48 + plain);
    EXPECT_LE(right, 48 + bold + 1);
}

TEST_F(PaintTest, TraceBarsShowLengthsAndColours) {
    CPoint* a = item("A", 200, 20, TypeReal, 1);
    CPoint* c = item("C", 200, 120, TypeFlag, 1);
    CPoint* target = item("", 50, 50, TypeReal, 0.25f);
    world.scheme.addTrace(target, a)->Value = 0.5f;
    world.scheme.addTrace(target, c)->Value = -0.25f;
    world.scheme.addTrace(target, target)->Value = 0.9f; // its own: no row
    world.eval.ShowVolumes = true;
    world.eval.BlinkPhase = false;
    frame();
    // Row of A at y0 = 58: grey frame from x 51, red bar of trunc(20 * 0.5) = 10 pixels.
    EXPECT_EQ(at(51, 58), rgb(0x60, 0x60, 0x60));
    EXPECT_EQ(at(72, 62), rgb(0x60, 0x60, 0x60));
    EXPECT_EQ(at(61, 60), rgb(0xE0, 0x20, 0x20));
    EXPECT_EQ(at(62, 60), rgb(255, 255, 255));
    // Row of the flag C at y0 = 66: green frame, blue bar of 5 pixels.
    EXPECT_EQ(at(51, 66), rgb(0x00, 0xB0, 0x00));
    EXPECT_EQ(at(56, 68), rgb(0x20, 0x20, 0xE0));
    EXPECT_EQ(at(57, 68), rgb(255, 255, 255));
    EXPECT_EQ(at(51, 74), rgb(255, 255, 255)); // no third row

    world.eval.BlinkPhase = true;
    world.eval.ShowValues = true; // rows start 17 below the item
    frame();
    EXPECT_EQ(at(56, 77), rgb(0x00, 0xFF, 0x00));
    EXPECT_EQ(at(50, 50), painter.sprites.iFlag.pixel(6, 6)); // the item blinks green

    world.eval.ShowVolumes = false;
    frame();
    EXPECT_EQ(at(51, 67), rgb(255, 255, 255));
    world.scheme.HoverKind = HoverItem;
    world.scheme.Hovered.item = target;
    frame();
    EXPECT_EQ(at(51, 67), rgb(0x60, 0x60, 0x60)); // hovered: its traces show
}

// The left, top and bottom edges of the tooltip box, black on the canvas.
TEST_F(PaintTest, TooltipBoxEdges) {
    CPoint* p = item("", 40, 30);
    p->text = "ab\r\ncd\r\nef";
    world.scheme.HoverKind = HoverItem;
    world.scheme.Hovered.item = p;
    world.input.HoverDwell = 3;
    frame();
    EXPECT_EQ(world.input.HoverDwell, 4);
    const int left = 40 + 15, top = 30 + 10, bottom = 30 + 16 * 3 + 15;
    EXPECT_EQ(at(left, top + 3), rgb(0, 0, 0));
    EXPECT_EQ(at(left + 1, top + 1), rgb(0xFF, 0xFF, 0xE0));
    EXPECT_EQ(at(left + 1, top), rgb(0, 0, 0));
    EXPECT_EQ(at(left + 1, bottom - 1), rgb(0, 0, 0));
    EXPECT_EQ(at(left + 1, bottom - 2), rgb(0xFF, 0xFF, 0xE0));
    EXPECT_NE(at(left + 1, bottom), rgb(0, 0, 0));

    // A line wider than the room to the right pushes the box against the border:
    // L + w + 10 = W - 10, so the right frame column is W - 11.
    p->text = std::string(30, 'm');
    frame();
    EXPECT_EQ(at(240 - 11, top + 3), rgb(0, 0, 0));
    EXPECT_NE(at(240 - 10, top + 3), rgb(0, 0, 0));

    // No tooltip while the properties panel is shown.
    painter.PanelVisible = true;
    frame();
    EXPECT_NE(at(left + 1, top + 1), rgb(0xFF, 0xFF, 0xE0));
}

TEST_F(PaintTest, FramesOnlyWhileOwed) {
    item("", 100, 60, TypeReal, 1);
    world.scheme.RedrawRequests = 0;
    painter.Repaint(false);
    EXPECT_EQ(surface.Presented, 0);
    EXPECT_EQ(at(100, 60), rgb(255, 255, 255));

    world.scheme.RedrawRequests = 3;
    painter.Repaint(false);
    EXPECT_EQ(surface.Presented, 1);
    EXPECT_EQ(world.scheme.RedrawRequests, 1);
    EXPECT_EQ(world.input.PanSteps, 1);
    EXPECT_GT(world.view.NameSampleWidth, 40);

    ++world.scheme.BusyDepth; // another part holds the model
    painter.Repaint(false);
    EXPECT_EQ(surface.Presented, 1);
    --world.scheme.BusyDepth;
    painter.Repaint(false);
    EXPECT_EQ(surface.Presented, 2);
    EXPECT_EQ(world.scheme.RedrawRequests, 0);
}

TEST_F(PaintTest, ItemsOnlyFramesDrawOverThePreviousFrame) {
    CPoint* p = item("", 100, 60, TypeReal, 1);
    frame();
    world.scheme.createItem("", 30, 30); // would draw a sprite at the next full frame
    p->Value = -1;
    world.view.ShowLinks = false;
    surface.Back.setPixel(5, 5, rgb(1, 2, 3)); // a left-over of the previous frame
    frame(true);
    const QRgb centre = painter.sprites.iBall0.pixel(6, 6);
    EXPECT_EQ(at(100, 60), rgb(qRed(centre), qGreen(centre), 255));
    EXPECT_EQ(at(5, 5), rgb(1, 2, 3));
}

TEST_F(PaintTest, MarksOfLinkDrawingAndGroups) {
    CPoint* from = item("", 40, 40);
    CPoint* target = item("", 150, 40);
    world.scheme.EditState = EditItemSelected;
    world.scheme.Selected.item = from;
    world.eval.BlinkPhase = false;
    world.input.LinkDragging = true;
    world.input.LastMouseX = 190;
    world.input.LastMouseY = 100;
    world.input.LinkTarget = target;
    frame();
    EXPECT_EQ(at(150 - 9, 40), rgb(0xFF, 0, 0)); // the target ring's left edge
    // The dragged line runs from (40, 40) toward (190, 100): (100, 64) is on its first third.
    EXPECT_EQ(at(70, 52), rgb(255, 100, 100));
    EXPECT_EQ(at(160, 88), rgb(100, 100, 255));

    world.input.LinkDragging = false;
    world.scheme.EditState = EditGroupChosen;
    world.scheme.Selected.clear();
    target->Mark = 2;
    frame();
    EXPECT_EQ(at(150 - 9, 40), rgb(0, 0, 0));
    EXPECT_EQ(at(40 - 9, 40), rgb(255, 255, 255));
}

} // namespace
} // namespace lumeris::test
