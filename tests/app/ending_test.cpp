#include "app_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>

namespace lumeris::test {
namespace {

TEST_F(AppTest, EscapeAsksAndSavesOnYes) {
    makeScheme("a.txt", {"one"});
    start(path("a.txt"));
    dialogs.answers.push_back(Answer::Yes);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&main(), &esc);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Сохранить?");
    EXPECT_EQ(dialogs.messages[0].caption, "Lumeris exit");
    EXPECT_EQ(end.ended, 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "a.txt.bak"));
}

TEST_F(AppTest, EscapeWithNoEndsWithoutSaving) {
    makeScheme("a.txt", {"one"});
    start(path("a.txt"));
    world.scheme.createItem("unsaved", 0, 0);
    dialogs.answers.push_back(Answer::No);
    main().FormKeyDown(Qt::Key_Escape);
    EXPECT_EQ(end.ended, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.txt.bak"));
}

// Cancel, or closing the box, keeps the program; so does a Yes whose save fails.
TEST_F(AppTest, EscapeCancelledOrWithAFailedSaveStays) {
    std::filesystem::create_directory(dir / "gone");
    makeScheme("gone/a.txt", {"one"});
    start(path("gone/a.txt"));
    main().FormKeyDown(Qt::Key_Escape); // the script's empty queue: Cancel
    std::filesystem::remove_all(dir / "gone");
    dialogs.answers.push_back(Answer::Yes);
    main().FormKeyDown(Qt::Key_Escape);
    EXPECT_EQ(end.ended, 0);
    EXPECT_EQ(dialogs.messages.back().text.rfind("Cannot write ", 0), 0u);
    EXPECT_EQ(world.scheme.ItemCount, 1);
}

TEST_F(AppTest, ExitWithoutSavingTouchesNothing) {
    makeScheme("a.txt", {"one"});
    const std::string before = readFile(dir / "a.txt");
    start(path("a.txt"));
    world.scheme.createItem("unsaved", 0, 0);
    main().action("aExitDontSave")->trigger();
    EXPECT_EQ(end.ended, 1);
    EXPECT_EQ(readFile(dir / "a.txt"), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AppTest, ClosingAnEmptyUnnamedSchemeAsksNothing) {
    start(path("missing.txt"));
    dialogs.messages.clear();
    app->show();
    EXPECT_TRUE(main().close());
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AppTest, ACancelledSaveDialogKeepsTheWindowOpen) {
    start(path("missing.txt"));
    app->show();
    world.scheme.createItem("work", 0, 0);
    EXPECT_FALSE(main().close()); // the open dialog of Save is cancelled
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(dialogs.fileDialogs, std::vector<std::string>{"save"});
    EXPECT_EQ(world.scheme.ItemCount, 1);
    // aExit with a chosen file saves once: the closing that follows writes nothing more.
    dialogs.files.push_back(path("kept.txt"));
    main().action("aExit")->trigger();
    EXPECT_FALSE(main().isVisible());
    EXPECT_TRUE(std::filesystem::exists(dir / "kept.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "kept.txt.bak"));
    EXPECT_EQ(end.ended, 0);
}

TEST_F(AppTest, SaveKeyWritesTheBackupAndTheTitleFollows) {
    makeScheme("notes", {"one"});
    start(path("notes"));
    EXPECT_EQ(main().windowTitle(), "n - Lumeris");
    main().action("aSave")->trigger();
    EXPECT_TRUE(std::filesystem::exists(dir / "notes.bak"));
    EXPECT_EQ(QDir::currentPath().toStdString(), dir.path().string());
}

TEST_F(AppTest, PrintAsksThePrinterDialogAndAlwaysRequestsAFrame) {
    start(path("missing.txt"));
    world.scheme.RedrawRequests = 0;
    main().action("aPrint")->trigger();
    EXPECT_FALSE(main().painter().PrintRequested);
    EXPECT_EQ(world.scheme.RedrawRequests, 1);
    dialogs.confirmPrint = true;
    main().action("aPrint")->trigger();
    EXPECT_TRUE(main().painter().PrintRequested);
}

TEST_F(AppTest, AboutAddressOpensAMailThroughTheShell) {
    start(path("missing.txt"));
    app->frmAbout.addressClicked();
    ASSERT_EQ(shell.opened.size(), 1u);
    EXPECT_EQ(shell.opened[0].rfind("mailto:", 0), 0u);
    EXPECT_NE(shell.opened[0].find("subject=Lumeris%20-%20"), std::string::npos);
}

} // namespace
} // namespace lumeris::test
