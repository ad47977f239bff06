// The ring of step values: numbering and wrap-around, columns that follow the items through
// edits, the memory cap that keeps only watched items, and the CSV it writes.
#include "engine/commands.h"
#include "trend/trend_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lumeris {
namespace {

std::vector<CPoint*> makeItems(Scheme& scheme, int count) {
    std::vector<CPoint*> items;
    for (int i = 0; i < count; ++i)
        items.push_back(scheme.createItem("p" + std::to_string(i), i, 0));
    return items;
}

// Records a step in which every item's value is `value`.
void recordAll(ValueTrend& trend, Scheme& scheme, float value) {
    for (CPoint* item = scheme.ItemList; item; item = item->Next)
        item->Value = value;
    trend.record(scheme);
}

float valueOf(const ValueTrend& trend, const CPoint* item, std::int64_t step) {
    const auto column = trend.columnOf(item);
    return column ? trend.value(*column, step) : NAN;
}

TEST(ValueTrend, RingKeepsTheLastStepsNumberedFromTheOpening) {
    Scheme scheme;
    const std::vector<CPoint*> items = makeItems(scheme, 2);
    ValueTrend trend(4);
    trend.restart(scheme);
    for (int step = 1; step <= 6; ++step)
        recordAll(trend, scheme, step / 10.0f);
    EXPECT_EQ(trend.rowCount(), 4u);
    EXPECT_EQ(trend.firstStep(), 3);
    EXPECT_EQ(trend.lastStep(), 6);
    for (int step = 3; step <= 6; ++step)
        EXPECT_EQ(valueOf(trend, items[1], step), step / 10.0f) << step;
    EXPECT_TRUE(std::isnan(valueOf(trend, items[0], 2))); // overwritten
    EXPECT_TRUE(std::isnan(valueOf(trend, items[0], 7))); // not yet

    ValueTrend full; // the program's size: 1,000 steps
    full.restart(scheme);
    for (int step = 1; step <= 1000; ++step)
        recordAll(full, scheme, step % 2 ? 0.5f : -0.5f);
    EXPECT_EQ(full.rowCount(), 1000u);
    EXPECT_EQ(full.firstStep(), 1);
    EXPECT_EQ(valueOf(full, items[0], 1), 0.5f);
    EXPECT_EQ(valueOf(full, items[0], 1000), -0.5f);
}

TEST(ValueTrend, ColumnsFollowTheItemsThroughEdits) {
    Scheme scheme;
    std::vector<CPoint*> items = makeItems(scheme, 3);
    ValueTrend trend;
    trend.restart(scheme);
    recordAll(trend, scheme, 0.25f);

    scheme.destroyItem(items[1]);
    CPoint* added = scheme.createItem("new", 9, 9); // may take the destroyed item's place
    recordAll(trend, scheme, 0.75f);
    trend.follow(scheme);
    ASSERT_EQ(trend.columns(), (std::vector<CPoint*>{items[0], items[2], added}));
    EXPECT_EQ(valueOf(trend, items[0], 1), 0.25f);
    EXPECT_EQ(valueOf(trend, items[2], 2), 0.75f);
    EXPECT_TRUE(std::isnan(valueOf(trend, added, 1))); // it was not there yet
    EXPECT_EQ(valueOf(trend, added, 2), 0.75f);

    // A reset is a step of its own; restarting forgets the rows and the watched items.
    trend.watch(items[0]);
    Evaluation eval;
    resetValues(scheme, eval);
    trend.record(scheme);
    EXPECT_EQ(trend.lastStep(), 3);
    EXPECT_EQ(valueOf(trend, items[2], 3), 0.0f);
    trend.restart(scheme);
    EXPECT_EQ(trend.firstStep(), 0);
    EXPECT_EQ(trend.rowCount(), 1u);
    EXPECT_FALSE(trend.watched(items[0]));
}

TEST(ValueTrend, PastTheMemoryCapOnlyWatchedItemsAreKept) {
    Scheme scheme;
    std::vector<CPoint*> items = makeItems(scheme, 3);
    ValueTrend trend(10, 10 * sizeof(float) * 3); // room for three items
    trend.restart(scheme);
    trend.watch(items[2]);
    recordAll(trend, scheme, 0.5f);
    EXPECT_TRUE(trend.keepsEveryItem());

    CPoint* fourth = scheme.createItem("fourth", 0, 0);
    recordAll(trend, scheme, -0.5f);
    EXPECT_FALSE(trend.keepsEveryItem());
    EXPECT_EQ(trend.columns(), std::vector<CPoint*>{items[2]});
    EXPECT_EQ(valueOf(trend, items[2], 1), 0.5f); // kept through the switch
    EXPECT_EQ(valueOf(trend, items[2], 2), -0.5f);

    trend.watch(fourth);
    trend.unwatch(items[2]);
    recordAll(trend, scheme, -0.25f);
    EXPECT_EQ(trend.columns(), std::vector<CPoint*>{fourth});
    EXPECT_EQ(trend.watchedItems(scheme), std::vector<CPoint*>{fourth});

    scheme.destroyItem(items[0]);
    recordAll(trend, scheme, 1.0f);
    EXPECT_TRUE(trend.keepsEveryItem());
    EXPECT_EQ(trend.columns().size(), 3u);
    EXPECT_EQ(valueOf(trend, fourth, 3), -0.25f);
    EXPECT_TRUE(std::isnan(valueOf(trend, items[1], 3)));
    EXPECT_TRUE(std::isnan(valueOf(trend, items[2], 2))); // dropped when no longer watched
    EXPECT_EQ(valueOf(trend, items[2], 4), 1.0f);

    // The program's cap: 64 MB of 1,000 steps holds 16,777 items.
    Scheme big;
    makeItems(big, 16777);
    ValueTrend program;
    program.restart(big);
    EXPECT_TRUE(program.keepsEveryItem());
    big.createItem("one more", 0, 0);
    program.record(big);
    EXPECT_FALSE(program.keepsEveryItem());
    EXPECT_TRUE(program.columns().empty());
}

TEST(ValueTrend, CsvWritesTheChosenItemsOfEveryHeldStep) {
    Scheme scheme;
    std::vector<CPoint*> items = makeItems(scheme, 3);
    ValueTrend trend(2);
    trend.restart(scheme);
    items[0]->Value = 0.1f;
    items[2]->Value = -1;
    trend.record(scheme);
    items[2]->Value = 1.0f / 3;
    trend.record(scheme);
    CPoint* later = scheme.createItem("later", 0, 0);
    scheme.setId(later, 42);
    trend.follow(scheme);
    EXPECT_EQ(trendCsv(trend, trendColumns(trend, {items[2], items[0], later})),
              "step," + std::to_string(items[2]->id) + "," + std::to_string(items[0]->id) +
                  ",42\n1,-1,0.100000001,\n2,0.333333343,0.100000001,\n");
}

} // namespace
} // namespace lumeris
