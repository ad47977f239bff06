// The loops window: what it lists for the selection, what it points out on the canvas, and a
// search that a dense scheme makes long, cancelled.
#include "loops/qt/loops_window.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace lumeris {
namespace {

void waitForSearch(const TfrmLoops& window) {
    QElapsedTimer clock;
    clock.start();
    while (window.searching() && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
}

QStringList column(const QTreeWidget* list, int c) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(c);
    return texts;
}

TEST(LoopsWindow, ListsTheSelectedItemsLoopsCausesAndEffects) {
    World world;
    Emphasis emphasis;
    Scheme& s = world.scheme;
    CPoint* a = s.createItem("A", 0, 0);
    CPoint* b = s.createItem("B", 10, 0);
    CPoint* c = s.createItem("", 20, 0);
    CPoint* d = s.createItem("D", 30, 0);
    CLink* ab = s.createLink(a, b);
    CLink* ba = s.createLink(b, a);
    s.createLink(b, c)->Value = -1;
    s.createLink(c, b);
    s.createLink(c, d);
    s.Selected.item = a;
    s.EditState = EditItemSelected;

    TfrmLoops window(world, emphasis);
    window.show();
    waitForSearch(window);
    EXPECT_EQ(column(window.tvLoops, 2), QStringList{"A → B"});
    EXPECT_EQ(column(window.tvEffects, 0), (QStringList{"B", "#3", "A", "D"}));
    EXPECT_EQ(column(window.tvEffects, 1), (QStringList{"1", "2", "2", "3"}));

    window.tvLoops->setCurrentItem(window.tvLoops->topLevelItem(0));
    EXPECT_EQ(emphasis.items(), (std::vector<const CPoint*>{a, b}));
    EXPECT_EQ(emphasis.links(), (std::vector<const CLink*>{ab, ba}));

    s.EditState = EditIdle; // nothing selected: every loop
    s.Selected.clear();
    window.refresh();
    waitForSearch(window);
    EXPECT_EQ(column(window.tvLoops, 0), (QStringList{"R", "B"}));
    EXPECT_EQ(window.tvCauses->topLevelItemCount(), 0);
    EXPECT_TRUE(emphasis.empty());

    window.tvLoops->setCurrentItem(window.tvLoops->topLevelItem(1));
    EXPECT_EQ(emphasis.items().size(), 2u);
    window.hide();
    EXPECT_TRUE(emphasis.empty());
}

TEST(LoopsWindow, ALongSearchIsCancelled) {
    World world;
    Emphasis emphasis;
    std::vector<CPoint*> items;
    for (int i = 0; i < 40; ++i)
        items.push_back(world.scheme.createItem("", i, 0));
    for (CPoint* from : items)
        for (CPoint* to : items)
            world.scheme.createLink(from, to);

    TfrmLoops window(world, emphasis);
    window.limits.limit = std::size_t(-1); // far more loops than anyone waits for
    window.show();
    EXPECT_TRUE(window.searching());
    window.cancelSearch();
    waitForSearch(window);
    EXPECT_FALSE(window.searching());
    EXPECT_TRUE(window.lStatus->text().startsWith("Поиск прерван"))
        << window.lStatus->text().toStdString();
}

} // namespace
} // namespace lumeris
