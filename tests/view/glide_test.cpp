#include "view/glide.h"

#include "view/transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lumeris {
namespace {

ViewState canvas(std::int32_t x, std::int32_t y, float scale) {
    ViewState view;
    view.ScreenX = x;
    view.ScreenY = y;
    view.Scale = scale;
    view.CanvasWidth = 800;
    view.CanvasHeight = 600;
    return view;
}

TEST(Glide, CentredOnPutsThePointInTheMiddleAtTheSameScale) {
    for (const float scale : {0.25f, 1.0f, 4.0f}) {
        ViewState view = canvas(17, -3, scale);
        const ViewTarget target = centredOn(view, 1000, -500);
        EXPECT_EQ(target.Scale, scale);
        view.ScreenX = target.ScreenX;
        view.ScreenY = target.ScreenY;
        EXPECT_NEAR(ToScreenX(view, 1000), 400, 2) << scale;
        EXPECT_NEAR(ToScreenY(view, -500), 300, 2) << scale;
    }
}

// Every tick brings the view closer, and it arrives exactly, in a few ticks.
TEST(Glide, EasesMonotonicallyAndArrivesExactly) {
    const struct {
        ViewState from;
        ViewTarget to;
    } cases[] = {
        {canvas(0, 0, 1.0f), {5000, -7000, 1.0f}},
        {canvas(-400, -300, 0.5f), {-100000, 40000, 0.0625f}},
        {canvas(0, 0, 1.0f / 128), {10, 10, 4.0f}},
        {canvas(std::numeric_limits<std::int32_t>::min(), 0, 1.0f),
         {std::numeric_limits<std::int32_t>::max() - 800, 0, 1.0f}},
    };
    for (const auto& c : cases) {
        ViewState view = c.from;
        ViewGlide glide;
        startGlide(glide, c.to);
        double gap = std::fabs(double(view.ScreenX) - c.to.ScreenX) +
                     std::fabs(double(view.ScreenY) - c.to.ScreenY);
        int ticks = 0;
        while (glideStep(glide, view, false)) {
            ASSERT_LT(++ticks, 64) << "never arrives";
            const double now = std::fabs(double(view.ScreenX) - c.to.ScreenX) +
                               std::fabs(double(view.ScreenY) - c.to.ScreenY);
            // At a changing scale the corner may wander while the centre closes in.
            if (view.Scale == c.to.Scale) {
                EXPECT_LE(now, gap + 1);
            }
            gap = now;
        }
        EXPECT_GT(ticks, 1);
        EXPECT_EQ(view.ScreenX, c.to.ScreenX);
        EXPECT_EQ(view.ScreenY, c.to.ScreenY);
        EXPECT_EQ(view.Scale, c.to.Scale);
        EXPECT_FALSE(glide.Active);
    }
}

TEST(Glide, JumpArrivesAtOnceAndNoGlideLeavesTheView) {
    ViewState view = canvas(0, 0, 1.0f);
    ViewGlide glide;
    EXPECT_FALSE(glideStep(glide, view, false));
    EXPECT_EQ(view.ScreenX, 0);
    startGlide(glide, {900, 900, 2.0f});
    EXPECT_TRUE(glideStep(glide, view, true));
    EXPECT_EQ(view.ScreenX, 900);
    EXPECT_EQ(view.Scale, 2.0f);
    EXPECT_FALSE(glideStep(glide, view, false));
}

} // namespace
} // namespace lumeris
