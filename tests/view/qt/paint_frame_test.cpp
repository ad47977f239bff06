#include "view/qt/paint_frame.h"
#include "view/transform.h"

#include <gtest/gtest.h>
#include <random>

namespace lumeris {
namespace {

// The frame's fixed transform answers as the view transform does, for every scale the zoom
// can reach and for fractional points such as a link's third.
TEST(PaintFrame, TransformAgreesWithTheView) {
    World world;
    QImage back(64, 48, QImage::Format_RGB32);
    std::mt19937 random(3);
    std::uniform_int_distribution<int> origin(-100000, 100000), level(0, 9);
    std::uniform_real_distribution<float> point(-200000, 200000);
    for (int round = 0; round < 200; ++round) {
        world.view.ScreenX = origin(random);
        world.view.ScreenY = origin(random);
        world.view.Scale = float(1 << level(random)) / 128 * (round % 4 ? 1.0f : 0.7f);
        world.view.CanvasWidth = 640;
        world.view.CanvasHeight = 480;
        PaintFrame frame(world, back, false);
        for (int i = 0; i < 50; ++i) {
            const float x = point(random), y = point(random) / 3;
            ASSERT_EQ(frame.toScreenX(x), ToScreenX(world.view, x)) << x;
            ASSERT_EQ(frame.toScreenY(y), ToScreenY(world.view, y)) << y;
            ASSERT_EQ(frame.isOnScreen(x, y), IsOnScreen(world.view, x, y));
        }
        // The edges of the visible rectangle count as on screen.
        const float right = float(world.view.ScreenX + 640 / (long double)world.view.Scale);
        EXPECT_EQ(frame.isOnScreen(right, float(world.view.ScreenY)),
                  IsOnScreen(world.view, right, float(world.view.ScreenY)));
    }
    world.view.ScreenX = -3;
    world.view.Scale = 0.5f;
    PaintFrame frame(world, back, false);
    EXPECT_EQ(frame.toScreenX(11), 6); // two truncations: 1 + 5
}

} // namespace
} // namespace lumeris
