#include "view/fit.h"
#include "view/transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace lumeris {
namespace {

constexpr std::int32_t Low = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t High = std::numeric_limits<std::int32_t>::max();

struct Place {
    std::int32_t x, y;
    bool visible = true;
};

struct FitCase {
    const char* name;
    int width, height;
    std::vector<Place> items;
};

const FitCase Cases[] = {
    {"single item", 1920, 1080, {{500, -300}}},
    {"row", 1920, 1080, {{0, 0}, {640, 0}, {20480, 0}}},
    {"column on a tall canvas", 300, 2000, {{7, -9000}, {7, 9000}}},
    {"scattered on a small canvas", 100, 80, {{-3, 5}, {150, -70}, {40, 400}}},
    {"hidden items stay out", 800, 600, {{0, 0}, {300, 200}, {900000, 900000, false}}},
    {"all hidden", 800, 600, {{0, 0, false}, {3000, 1000, false}}},
    {"the 32-bit corners", 1920, 1080, {{Low, Low}, {High, High}, {0, 0}}},
    {"one corner", 640, 480, {{High, Low}}},
    {"close to the lowest", 1024, 768, {{Low, Low}, {Low + 10, Low + 3}}},
    {"close to the highest", 1024, 768, {{High - 100, High}, {High, High - 7}}},
};

class Fit : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fit, ShowsEveryVisibleItemInsideTheCanvas) {
    const FitCase& c = GetParam();
    Scheme scheme;
    bool anyVisible = false;
    for (const Place& p : c.items) {
        scheme.createItem("", p.x, p.y)->Vis = p.visible;
        anyVisible |= p.visible;
    }
    const ViewFit fit = fitWholeScheme(scheme, c.width, c.height);
    ViewState view;
    view.ScreenX = fit.ScreenX, view.ScreenY = fit.ScreenY, view.Scale = fit.Scale;
    view.CanvasWidth = c.width, view.CanvasHeight = c.height;

    ASSERT_GT(fit.Scale, 0);
    ASSERT_TRUE(fit.ZoomLevel >= 0 && fit.ZoomLevel <= 9);
    if (fit.Scale >= 1.0f / 128) // a zoom level's own scale, which easing keeps
        EXPECT_EQ(fit.Scale, std::ldexp(1.0f, fit.ZoomLevel - 7));
    else
        EXPECT_EQ(fit.ZoomLevel, 0);

    long double widest = 0;
    for (const Place& p : c.items) {
        if (anyVisible && !p.visible)
            continue;
        const int x = ToScreenX(view, float(p.x)), y = ToScreenY(view, float(p.y));
        EXPECT_TRUE(x >= 0 && x < c.width && y >= 0 && y < c.height)
            << "(" << p.x << ", " << p.y << ") at (" << x << ", " << y << ")";
        EXPECT_TRUE(IsOnScreen(view, float(p.x), float(p.y)));
        for (const Place& q : c.items)
            if (!anyVisible || q.visible)
                widest = std::max({widest, std::fabs((long double)p.x - q.x) * fit.Scale / c.width,
                                   std::fabs((long double)p.y - q.y) * fit.Scale / c.height});
    }
    // The largest level that holds them: a closer one would not, so they fill a good part of
    // the canvas unless the zoom is at its closest.
    if (fit.ZoomLevel < 9) {
        EXPECT_GT(widest, 0.2L);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Fit, ::testing::ValuesIn(Cases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

TEST(FitEmpty, CentresTheWorldOriginAtOneToOne) {
    const Scheme scheme;
    const ViewFit fit = fitWholeScheme(scheme, 800, 600);
    ViewState view;
    view.ScreenX = fit.ScreenX, view.ScreenY = fit.ScreenY, view.Scale = fit.Scale;
    EXPECT_EQ(fit.ZoomLevel, 7);
    EXPECT_EQ(ToScreenX(view, 0), 400);
    EXPECT_EQ(ToScreenY(view, 0), 300);
}

} // namespace
} // namespace lumeris
