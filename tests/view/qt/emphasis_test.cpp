// The canvas emphasis: rings and broad links where asked, nothing once the objects are gone.
#include "view/qt/paint_fixture.h"

namespace lumeris::test {
namespace {

constexpr QRgb Orange = qRgb(0xFF, 0x8C, 0x00);

class Emphasis : public PaintTest {};

TEST_F(Emphasis, RingsItemsAndBroadensLinksUntilTheyLeaveTheScheme) {
    setLevel(7); // one world unit per pixel
    CPoint* a = item("", 40, 40);
    CPoint* b = item("", 160, 40);
    CLink* link = world.scheme.createLink(a, b);
    painter.emphasis.show({a}, {link}, world.scheme.changeStamp());
    frame();
    EXPECT_EQ(at(40 + 12, 40), Orange); // the ring
    EXPECT_EQ(at(100, 40), Orange);     // the link, away from its handle
    EXPECT_EQ(at(100, 41), Orange);

    world.scheme.destroyItem(a);
    frame();
    EXPECT_TRUE(painter.emphasis.empty());
    EXPECT_NE(at(40 + 12, 40), Orange);
}

} // namespace
} // namespace lumeris::test
