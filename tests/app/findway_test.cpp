// The menu bar, the find bar, the status line and the recent files of the real window.
#include "app/find_bar.h"
#include "app/status_line.h"
#include "app_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <set>

namespace lumeris::test {
namespace {

void collect(const QWidget* menu, std::set<const QAction*>& found) {
    for (const QAction* action : menu->actions()) {
        if (action->menu())
            collect(action->menu(), found);
        else if (!action->isSeparator())
            found.insert(action);
    }
}

// Every entry of the canvas menu, those of its hidden submenus too, is in the menu bar as the
// same action, so captions, shortcuts and check marks cannot drift apart.
TEST_F(AppTest, TheMenuBarHoldsEveryEntryOfTheCanvasMenu) {
    start(path("missing.txt"));
    std::set<const QAction*> paper, bar;
    collect(main().menu(), paper);
    collect(main().menuBar(), bar);
    for (const QAction* action : paper)
        EXPECT_TRUE(bar.count(action)) << action->objectName().toStdString();
    for (const char* name : {"aFind", "aShowAll", "aHelp", "aImportLisp", "aAddFavoritesFolder"})
        EXPECT_TRUE(bar.count(main().action(name))) << name;
}

// A key as the window system delivers it: first offered to the shortcuts, which may have it
// unless the focused field claims it, then pressed. Returns whether the field claimed it.
bool press(QWidget* field, int key, const QString& text = {}, Qt::KeyboardModifiers mods = {}) {
    QKeyEvent offer(QEvent::ShortcutOverride, key, mods, text);
    offer.ignore();
    QCoreApplication::sendEvent(field, &offer);
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(field, &down);
    return offer.isAccepted();
}

// Keys typed into the find bar edit its text: none makes, deletes or pastes an item, and Esc
// closes the bar without asking to end.
TEST_F(AppTest, TheFindBarKeepsItsKeys) {
    makeScheme("a.txt", {"alpha", "beta", "Alpine"});
    start(path("a.txt"));
    main().action("aFind")->trigger();
    FindBar& bar = *main().findBar();
    QLineEdit* field = bar.field();
    for (const char c : std::string("alp+-"))
        EXPECT_TRUE(press(field,
                          c == '+'   ? int(Qt::Key_Plus)
                          : c == '-' ? int(Qt::Key_Minus)
                                     : c,
                          QString(c)));
    for (const int key : {Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Backspace})
        EXPECT_TRUE(press(field, key)) << key;
    EXPECT_FALSE(press(field, Qt::Key_F9)); // the actions keep the keys that type nothing
    EXPECT_EQ(world.scheme.ItemCount, 3);
    EXPECT_EQ(field->text(), "alp");
    EXPECT_EQ(bar.matches().size(), 2u);

    press(field, Qt::Key_Return);
    ASSERT_TRUE(world.scheme.Selected.item);
    EXPECT_EQ(world.scheme.Selected.item->Name, "alpha"); // the oldest match first
    press(field, Qt::Key_Return, {}, Qt::ShiftModifier);
    EXPECT_EQ(world.scheme.Selected.item->Name, "Alpine"); // back past the first, around

    press(field, Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(end.ended, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

// A match deleted while the bar is open leaves the list before the next frame.
TEST_F(AppTest, TheFindBarForgetsDeletedItems) {
    makeScheme("a.txt", {"alpha", "alps"});
    start(path("a.txt"));
    main().action("aFind")->trigger();
    main().findBar()->field()->setText("alp");
    ASSERT_EQ(main().findBar()->matches().size(), 2u);
    world.scheme.destroyItem(world.scheme.ItemList);
    main().Repaint(false);
    EXPECT_EQ(main().findBar()->matches().size(), 1u);
}

TEST_F(AppTest, TheStatusLineFollowsTheRunAndTheCounts) {
    makeScheme("a.txt", {"one", "two"});
    start(path("a.txt"));
    StatusLine& status = *main().statusLine();
    status.refresh();
    EXPECT_TRUE(status.texts().contains("Выполняется"));
    main().action("aRun")->trigger();
    main().action("aStep")->trigger();
    status.refresh();
    const QStringList texts = status.texts();
    EXPECT_EQ(texts[0], "a.txt");
    EXPECT_EQ(texts[1], "Остановлена");
    EXPECT_EQ(texts[2], "Шагов: 1");
    EXPECT_EQ(texts[3], "Точек: 2  Связей: 0");
}

// The recent files: newest first, each once, ten at most; one of them reopens as Open would,
// saving the scheme on screen first.
TEST_F(AppTest, ARecentFileReopens) {
    makeScheme("first.txt", {"one"});
    start(path("first.txt"));
    for (int i = 0; i < 11; ++i) {
        const std::string name = "s" + std::to_string(i) + ".txt";
        makeScheme(name, {"x"});
        main().openRecent(QString::fromStdString(path(name)));
    }
    main().openRecent(QString::fromStdString(path("s3.txt")));
    QMenu* recent = main().findChild<QMenu*>("mRecent");
    ASSERT_TRUE(recent);
    emit recent->aboutToShow();
    const QList<QAction*> entries = recent->actions();
    ASSERT_EQ(entries.size(), 10);
    EXPECT_EQ(entries[0]->text(), "&1 s3.txt");
    EXPECT_EQ(entries[1]->text(), "&2 s10.txt");

    std::filesystem::remove(dir / "s3.txt.bak");
    world.scheme.createItem("edit", 0, 0); // an edit: leaving saves first
    world.scheme.journal().endStep();
    entries[5]->trigger();
    EXPECT_EQ(main().windowTitle(), "s6 - Lumeris");
    EXPECT_TRUE(std::filesystem::exists(dir / "s3.txt.bak"));
}

} // namespace
} // namespace lumeris::test
