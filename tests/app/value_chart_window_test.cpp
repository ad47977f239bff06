// The chart from the main window: its action in the canvas menu, the panel's watch button,
// and the steps (Step, Teach, Reset) that feed it.
#include "app_fixture.h"
#include "trend/qt/value_chart.h"

#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QMenu>
#include <QToolButton>

namespace lumeris::test {
namespace {

struct ValueChartWindowTest : AppTest {
    void SetUp() override {
        makeScheme("a.txt", {"one", "two"});
        start(path("a.txt"));
        app->show();
        world.eval.Running = false;
    }
    void select(CPoint* item) {
        world.scheme.Selected = {item, nullptr};
        world.scheme.EditState = EditItemSelected;
        main().refreshPropertiesPanel();
    }
};

TEST_F(ValueChartWindowTest, WatchButtonShowsTheItemInTheChart) {
    QAction* open = main().action("aValueChart");
    ASSERT_TRUE(open);
    EXPECT_TRUE(main().menu()->actions().contains(open));

    CPoint* one = world.scheme.ItemTail;
    CPoint* two = world.scheme.ItemList;
    select(one);
    QToolButton* watch = app->frmProp.tbWatch;
    ASSERT_TRUE(watch->isVisible());
    watch->click();
    EXPECT_TRUE(world.trend.watched(one));
    TfrmChart* chart = main().chartWindow();
    ASSERT_TRUE(chart && chart->isVisible());

    select(two);
    EXPECT_FALSE(watch->isChecked());
    chart->refresh();
    const QList<QAbstractSeries*> series = chart->chart()->series();
    ASSERT_EQ(series.size(), 2);
    EXPECT_EQ(series[0]->name(), "one");
    EXPECT_EQ(series[1]->name(), "two");

    select(one);
    EXPECT_TRUE(watch->isChecked());
    watch->click();
    EXPECT_FALSE(world.trend.watched(one));
}

TEST_F(ValueChartWindowTest, StepTeachAndResetEachAddAStep) {
    const std::int64_t opened = world.trend.lastStep();
    main().action("aStep")->trigger();
    main().action("aTeach")->trigger();
    main().action("aReset")->trigger();
    EXPECT_EQ(world.trend.lastStep(), opened + 3);
}

} // namespace
} // namespace lumeris::test
