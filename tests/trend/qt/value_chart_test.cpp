// The chart window: one named series per watched item plus the selected one, the range that
// follows the last steps or shows them all, hovering, and the exports.
#include "support/paths.h"
#include "support/scripted_dialogs.h"
#include "text/utf8_cp1251.h"
#include "trend/qt/value_chart.h"
#include "trend/trend_csv.h"

#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace lumeris {
namespace {

struct ValueChartTest : ::testing::Test {
    Scheme scheme;
    ValueTrend trend;
    test::ScriptedDialogs dialogs;
    std::vector<CPoint*> items;

    void SetUp() override {
        for (const char* name : {"один", "two", "three"})
            items.push_back(scheme.createItem(utf8ToCp1251(name), 0, 0));
        trend.restart(scheme);
        for (int step = 1; step <= 150; ++step) {
            for (int i = 0; i < 3; ++i)
                items[i]->Value = float(step % 10) / 10 - i * 0.1f;
            trend.record(scheme);
        }
    }
    std::vector<QLineSeries*> series(TfrmChart& chart) {
        std::vector<QLineSeries*> lines;
        for (QAbstractSeries* s : chart.chart()->series())
            lines.push_back(static_cast<QLineSeries*>(s));
        return lines;
    }
};

TEST_F(ValueChartTest, ShowsWatchedAndSelectedItemsUnderTheirNames) {
    trend.watch(items[2]);
    trend.watch(items[0]);
    TfrmChart chart(scheme, trend, dialogs);
    chart.refresh();
    std::vector<QLineSeries*> lines = series(chart);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]->name(), QString::fromUtf8("один"));
    EXPECT_EQ(lines[1]->name(), "three");
    EXPECT_NE(lines[0]->color(), lines[1]->color());
    ASSERT_EQ(lines[1]->count(), TfrmChart::FollowSteps);
    EXPECT_EQ(lines[1]->at(0).x(), 51);
    EXPECT_FLOAT_EQ(lines[1]->at(0).y(), 0.1f - 0.2f);

    chart.setFollowLast(false);
    EXPECT_EQ(series(chart)[1]->count(), 151);

    scheme.Selected = {items[1], nullptr};
    scheme.EditState = EditItemSelected;
    chart.refresh();
    lines = series(chart);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2]->name(), "two");

    emit lines[2]->hovered(QPointF(7.3, 0.6), true);
    EXPECT_EQ(chart.hoverText(), "two: шаг 7, значение 0.6000");
}

TEST_F(ValueChartTest, ExportsTheShownSeries) {
    trend.watch(items[1]);
    scheme.Selected = {items[0], nullptr};
    scheme.EditState = EditItemSelected;
    TfrmChart chart(scheme, trend, dialogs);
    test::ScratchDir dir;
    const QString csv = QString::fromStdString((dir / "v.csv").string());
    ASSERT_TRUE(chart.exportCsv(csv));
    EXPECT_EQ(test::readFile(dir / "v.csv"),
              trendCsv(trend, trendColumns(trend, {items[1], items[0]})));

    const QString png = QString::fromStdString((dir / "v.png").string());
    ASSERT_TRUE(chart.exportPng(png));
    EXPECT_FALSE(QImage(png).isNull());

    EXPECT_FALSE(chart.exportCsv("/no/such/folder/v.csv"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
}

} // namespace
} // namespace lumeris
