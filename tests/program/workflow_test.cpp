#include "program/workflow.h"

#include "files/open_file.h"
#include "support/paths.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

namespace lumeris {
namespace {

using test::readFile;
using test::writeFile;

struct WorkflowTest : ::testing::Test {
    test::ScratchDir dir;
    World world;
    test::ScriptedDialogs dialogs;
    std::vector<std::string> titles, folders;
    int repaints = 0;
    Workflow flow{world, dialogs, hooks()};

    // As in the program: the journal tells an edit from a run.
    WorkflowTest() { world.scheme.journal().setRecording(true); }

    WorkflowHooks hooks() {
        WorkflowHooks h;
        h.setTitle = [this](const UserText& t) { titles.push_back(t.plain()); };
        h.setCurrentFolder = [this](const std::string& f) { folders.push_back(f); };
        h.repaintNow = [this] { ++repaints; };
        h.logonName = [] { return std::string("anna"); };
        h.shortDate = [] { return std::string("08.12.2026"); };
        h.windowWidth = [] { return 1025; };
        h.windowHeight = [] { return -767; };
        return h;
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    // A scheme file holding the named items, written through Save itself.
    void makeScheme(const std::string& file, std::initializer_list<const char*> names) {
        World other;
        Workflow writer(other, dialogs, {});
        int x = 0;
        for (const char* name : names)
            other.scheme.createItem(name, x += 32, 0);
        other.doc.FileName = path(file);
        ASSERT_TRUE(writer.Save());
    }
    std::vector<std::string> itemNames() const {
        std::vector<std::string> names;
        for (CPoint* p = world.scheme.ItemList; p; p = p->Next)
            names.push_back(p->Name);
        return names;
    }
    void openFile(const std::string& file) {
        world.doc.FileName = path(file);
        flow.Open();
    }
};

TEST(WorkflowTitle, DropsFolderAndLastFourCharacters) {
    EXPECT_EQ(titleFor("/a/b/notes.txt"), "notes - Lumeris");
    EXPECT_EQ(titleFor("/a/b/notes"), "n - Lumeris");
    EXPECT_EQ(titleFor("abc"), " - Lumeris");
    EXPECT_EQ(titleFor("/x/Схема.txt"), "Схема - Lumeris");
    EXPECT_EQ(titleFor("/x/Схема"), "С - Lumeris"); // characters, not bytes
}

TEST_F(WorkflowTest, OpenReadsAValidFileAndReportsAnInvalidOne) {
    makeScheme("a.txt", {"one", "two"});
    openFile("a.txt");
    EXPECT_EQ(itemNames(), (std::vector<std::string>{"two", "one"}));
    EXPECT_EQ(titles.back(), "a - Lumeris");
    EXPECT_TRUE(world.eval.Running);
    EXPECT_TRUE(dialogs.messages.empty());

    writeFile(dir / "bad.txt", "Lumeris 1.5 \r\n");
    world.scheme.empty();
    openFile("bad.txt");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Invalid data file");
    EXPECT_EQ(dialogs.messages[0].caption, "Lumeris");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(titles.back(), "New file - Lumeris");
    EXPECT_TRUE(world.doc.FileName.empty());
    EXPECT_FALSE(world.eval.Running);
    EXPECT_EQ(world.scheme.ItemList, nullptr);
}

// The program goes on, and the broken file is never written over: the user may mend it.
TEST_F(WorkflowTest, DataErrorLeavesAnEmptyUntitledScheme) {
    const std::string broken = "Lumeris 1.5\r\nx\r\n2\t0\t0\t0\t0\t1\tnone\r\nx\r\n"
                               "1\t0\t0\t1\t0\t1\t0\t0\t1\tread\t\t\t\r\nnot an item\r\n";
    writeFile(dir / "broken.txt", broken);
    openFile("broken.txt");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Error in data, line 6");
    EXPECT_EQ(dialogs.messages[0].caption, "");
    EXPECT_EQ(world.scheme.ItemList, nullptr); // not even the item read before the error
    EXPECT_TRUE(world.doc.FileName.empty());
    EXPECT_EQ(titles.back(), "New file - Lumeris");
    world.scheme.createItem("new work", 0, 0);
    EXPECT_FALSE(flow.closeQuery()); // asks for a name; the script cancels
    EXPECT_EQ(dialogs.fileDialogs, std::vector<std::string>{"save"});
    EXPECT_EQ(readFile(dir / "broken.txt"), broken);
}

TEST_F(WorkflowTest, TwoSavesKeepTheFirstVersionInTheBackup) {
    world.doc.FileName = path("a.txt");
    world.scheme.createItem("first", 0, 0);
    ASSERT_TRUE(flow.Save());
    EXPECT_FALSE(std::filesystem::exists(dir / "a.txt.bak")); // a new file has no backup
    const std::string first = readFile(dir / "a.txt");
    world.scheme.createItem("second", 0, 0);
    ASSERT_TRUE(flow.Save());
    const std::string second = readFile(dir / "a.txt");
    EXPECT_NE(first, second);
    EXPECT_EQ(readFile(dir / "a.txt.bak"), first);
    EXPECT_EQ(titles.back(), "a - Lumeris");
    EXPECT_EQ(folders.back(), dir.path().string());
    EXPECT_EQ(flow.DialogFolder, dir.path().string());
    EXPECT_EQ(world.scheme.BusyDepth, 0);
    // No temporary file is left beside them.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST_F(WorkflowTest, SaveWithoutFileNameAsksAndCancelKeepsEverything) {
    world.scheme.createItem("x", 0, 0);
    EXPECT_FALSE(flow.Save());
    EXPECT_EQ(dialogs.fileDialogs, (std::vector<std::string>{"save"}));
    EXPECT_TRUE(world.doc.FileName.empty());
    EXPECT_EQ(world.scheme.BusyDepth, 0);
    // Closing an empty unnamed scheme asks nothing; a named one saves.
    world.scheme.empty();
    EXPECT_TRUE(flow.closeQuery());
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
    world.scheme.createItem("y", 0, 0);
    EXPECT_FALSE(flow.closeQuery()); // the save dialog was cancelled
    dialogs.files.push_back(path("c.txt"));
    EXPECT_TRUE(flow.closeQuery());
    EXPECT_TRUE(std::filesystem::exists(dir / "c.txt"));
}

TEST_F(WorkflowTest, FailedWriteLeavesFileAndBackupIntact) {
    world.doc.FileName = path("a.txt");
    world.scheme.createItem("first", 0, 0);
    ASSERT_TRUE(flow.Save());
    world.scheme.createItem("second", 0, 0);
    ASSERT_TRUE(flow.Save());
    const std::string file = readFile(dir / "a.txt"), backup = readFile(dir / "a.txt.bak");
    for (int i = 0; i < 200; ++i)
        world.scheme.createItem("more and more items to make the file long", i, i);
    CPoint* selected = world.scheme.ItemList;
    world.scheme.Selected = {selected, nullptr};
    world.scheme.EditState = EditItemSelected;

    // A file size limit makes the write fail as a full disk would.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = flow.Save();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(dir / "a.txt"), file);
    EXPECT_EQ(readFile(dir / "a.txt.bak"), backup);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(dialogs.messages[0].text.find("a.txt"), std::string::npos);
    EXPECT_EQ(world.scheme.BusyDepth, 0);
    EXPECT_EQ(world.scheme.Selected.item, selected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
    // The next save succeeds and only then rotates the backup.
    ASSERT_TRUE(flow.Save());
    EXPECT_EQ(readFile(dir / "a.txt.bak"), file);
}

TEST_F(WorkflowTest, FailedSaveNamesTheChosenFile) {
    world.doc.FileName = path("gone/a.txt");
    world.scheme.createItem("first", 0, 0);
    EXPECT_FALSE(flow.Save());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Cannot write " + path("gone/a.txt") + ": No such file or directory");
    EXPECT_EQ(dialogs.messages[0].caption, "Lumeris");
}

// Saving moves the current folder; a relative name taken against it later would point into
// a folder below the file's own.
TEST_F(WorkflowTest, RelativeNamesAreTakenAgainstTheFolderTheyWereGivenIn) {
    struct BackToStart {
        std::filesystem::path folder = std::filesystem::current_path();
        ~BackToStart() { std::filesystem::current_path(folder); }
    } backToStart;
    std::filesystem::create_directory(dir / "sub");
    makeScheme("sub/two.txt", {"one"});
    std::filesystem::current_path(dir.path());
    WorkflowHooks moving = hooks();
    moving.setCurrentFolder = [](const std::string& f) { std::filesystem::current_path(f); };
    Workflow program(world, dialogs, moving);

    world.doc.FileName = "sub/two.txt"; // as the command line gives it
    program.Open();
    EXPECT_EQ(world.doc.FileName, path("sub/two.txt"));
    world.scheme.createItem("edit", 0, 0);
    EXPECT_TRUE(program.Save());
    EXPECT_EQ(std::filesystem::current_path(), dir / "sub");
    EXPECT_TRUE(program.Save());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NE(readFile(dir / "sub/two.txt.bak").find("edit"), std::string::npos);

    dialogs.files.push_back("three.txt");
    program.aSaveAs();
    EXPECT_EQ(world.doc.FileName, path("sub/three.txt"));
    program.Jump("two.txt");
    EXPECT_EQ(world.doc.FileName, path("sub/two.txt"));
    dialogs.files.push_back("four.txt");
    program.aNew();
    EXPECT_EQ(world.doc.FileName, path("sub/four.txt"));
    EXPECT_EQ(world.scheme.ItemTail->url, "two.txt");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WorkflowTest, LegacyFileOpensRunningWithItsTitleThenShowsTheNotice) {
    writeFile(dir / "old.txt", "Lumeris 1.4\r\ncaption\r\n1\t0\t0\t1\tnone\r\nitems\r\n"
                               "3\t1\t2\t0.5\t-1\t0.1\t\t0\tRain\r\nlinks\r\n");
    openFile("old.txt");
    EXPECT_EQ(itemNames(), (std::vector<std::string>{"Rain"}));
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.back(), "old - Lumeris");
    EXPECT_TRUE(world.eval.Running);
    EXPECT_GT(world.scheme.RedrawRequests, 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, legacyFormatNotice(path("old.txt")));
    EXPECT_EQ(dialogs.messages[0].caption, "Lumeris");
}

TEST_F(WorkflowTest, SaveIntoAReadOnlyFolderFailsCleanly) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    world.doc.FileName = path("a.txt");
    world.scheme.createItem("first", 0, 0);
    ASSERT_TRUE(flow.Save());
    const std::string file = readFile(dir / "a.txt");
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    world.scheme.createItem("second", 0, 0);
    EXPECT_FALSE(flow.Save());
    EXPECT_EQ(readFile(dir / "a.txt"), file);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.txt.bak"));
}

TEST_F(WorkflowTest, SaveWritesBasePositionsAndRestoresTheActiveView) {
    world.doc.FileName = path("v.txt");
    CPoint* item = world.scheme.createItem("item", 10, 20);
    CPoint* view = world.scheme.createItem("view", 0, 0);
    world.scheme.changeType(view, TypeProjection);
    ViewEntry* entry = world.scheme.findOrAddViewEntry(view, item);
    entry->DX = 100;
    entry->DY = 100;
    world.scheme.switchViewpoint(view);
    world.scheme.completeViewSwitch();
    const std::int32_t shownX = item->X;
    ASSERT_TRUE(flow.Save());
    EXPECT_EQ(world.scheme.CurrentView, view);
    EXPECT_EQ(item->X, shownX);
    World reread;
    reread.doc.FileName = path("v.txt");
    Workflow(reread, dialogs, {}).Open();
    EXPECT_EQ(reread.scheme.ItemTail->X, 10);
}

TEST_F(WorkflowTest, JumpToASchemeWithoutItemsComesBack) {
    makeScheme("a.txt", {"home"});
    makeScheme("empty.txt", {});
    openFile("a.txt");
    flow.Jump(path("empty.txt"));
    EXPECT_EQ(world.doc.FileName, path("a.txt"));
    EXPECT_EQ(itemNames(), (std::vector<std::string>{"home"}));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, "Can not jump to " + path("empty.txt"));
    EXPECT_EQ(dialogs.messages.back().caption, "Error");
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.txt.bak")); // nothing edited it
    EXPECT_EQ(titles.back(), "a - Lumeris");
    EXPECT_EQ(world.scheme.BusyDepth, 0);
    EXPECT_GE(repaints, 1);
}

TEST_F(WorkflowTest, JumpToAMissingFileComesBackAskingNothing) {
    makeScheme("a.txt", {"home", "more"});
    openFile("a.txt");
    const std::string saved = readFile(dir / "a.txt");
    flow.Jump(path("missing.txt"));
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_EQ(world.doc.FileName, path("a.txt"));
    EXPECT_EQ(itemNames(), (std::vector<std::string>{"more", "home"}));
    EXPECT_EQ(readFile(dir / "a.txt"), saved);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.txt"));
    EXPECT_EQ(dialogs.messages.back().text, "Can not jump to " + path("missing.txt"));
    EXPECT_EQ(world.scheme.BusyDepth, 0);
}

TEST_F(WorkflowTest, NewSchemeLinksOldAndNewFiles) {
    makeScheme("old.txt", {"start"});
    openFile("old.txt");
    world.view.Scale = 2;
    world.view.ScreenX = 100;
    world.input.LastMouseX = 50;
    world.input.LastMouseY = 11;
    dialogs.files.push_back(path("new.txt"));
    flow.aNew();

    EXPECT_EQ(titles.back(), "new - Lumeris");
    EXPECT_EQ(world.doc.FileName, path("new.txt"));
    ASSERT_EQ(world.scheme.ItemCount, 2);
    const CPoint* back = world.scheme.ItemTail;
    const CPoint* created = world.scheme.ItemList;
    EXPECT_EQ(back->Name, "old.txt");
    EXPECT_EQ(back->url, "old.txt"); // a folder moved whole keeps its links
    EXPECT_EQ(back->X, 0);
    EXPECT_EQ(back->Y, 0);
    EXPECT_EQ(created->Name, "new.txt");
    EXPECT_EQ(created->X, 256);
    EXPECT_EQ(created->Y, 64);
    EXPECT_EQ(created->text, "Created 08.12.2026 by anna");
    EXPECT_GT(back->id, 1); // ids continue after the old scheme's
    EXPECT_EQ(world.view.ZoomLevel, 6);
    EXPECT_EQ(world.view.Scale, 0.5f);
    EXPECT_EQ(world.view.ScreenX, -512);
    EXPECT_EQ(world.view.ScreenY, 383);

    World old;
    old.doc.FileName = path("old.txt");
    Workflow(old, dialogs, {}).Open();
    ASSERT_EQ(old.scheme.ItemCount, 2);
    EXPECT_EQ(old.scheme.ItemList->Name, "new.txt");
    EXPECT_EQ(old.scheme.ItemList->url, "new.txt");
    EXPECT_EQ(old.scheme.ItemList->X, 125); // trunc(50 / 2) + 100
    EXPECT_EQ(old.scheme.ItemList->Y, 5);
    EXPECT_TRUE(std::filesystem::exists(dir / "old.txt.bak"));
}

TEST_F(WorkflowTest, CancelledDialogsChangeNothing) {
    makeScheme("a.txt", {"one"});
    openFile("a.txt");
    const std::string saved = readFile(dir / "a.txt");
    flow.aNew();
    flow.aOpen();
    flow.aSaveAs();
    EXPECT_EQ(dialogs.fileDialogs, (std::vector<std::string>{"save", "open", "save"}));
    EXPECT_EQ(world.doc.FileName, path("a.txt"));
    EXPECT_EQ(world.scheme.ItemCount, 1);
    EXPECT_EQ(readFile(dir / "a.txt"), saved);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.txt.bak"));
    // Save as writes the scheme under the new name.
    dialogs.files.push_back(path("b.txt"));
    flow.aSaveAs();
    EXPECT_EQ(readFile(dir / "b.txt"), saved);
    EXPECT_EQ(titles.back(), "b - Lumeris");
    EXPECT_TRUE(flow.aExit());
    EXPECT_EQ(world.scheme.RedrawRequests, 0);
}

// A visit that changes nothing but the values a run leaves must not rewrite the scheme, nor
// its backup; an edit, undone or not, makes the next leave save. F2 always writes.
TEST_F(WorkflowTest, LeavingSavesOnlyAfterAnEdit) {
    makeScheme("a.txt", {"start"});
    makeScheme("b.txt", {"other"});
    const std::string a = readFile(dir / "a.txt");
    openFile("a.txt");
    world.scheme.ItemList->Value = 0.75f; // as a step leaves it
    world.view.ScreenX = 40;              // a pan
    world.scheme.journal().endStep();
    ASSERT_TRUE(flow.Jump(path("b.txt")));
    EXPECT_EQ(readFile(dir / "a.txt"), a);
    EXPECT_FALSE(std::filesystem::exists(dir / "a.txt.bak"));

    world.scheme.createItem("added", 0, 0);
    world.scheme.journal().endStep();
    world.scheme.journal().undo(world.scheme);
    ASSERT_TRUE(flow.Jump(path("a.txt")));
    EXPECT_TRUE(std::filesystem::exists(dir / "b.txt.bak"));
    EXPECT_TRUE(flow.aExit()); // nothing edited since it was read
    EXPECT_FALSE(std::filesystem::exists(dir / "a.txt.bak"));
    flow.aSave();
    EXPECT_TRUE(std::filesystem::exists(dir / "a.txt.bak"));
}

// The save that ends the program is the only one: the backup keeps the version from before.
TEST_F(WorkflowTest, ExitSavesOnceAndClosingThenSavesNothing) {
    makeScheme("a.txt", {"start"});
    const std::string before = readFile(dir / "a.txt");
    openFile("a.txt");
    world.scheme.createItem("edit", 0, 0);
    ASSERT_TRUE(flow.aExit());
    EXPECT_TRUE(flow.closeQuery());
    EXPECT_EQ(readFile(dir / "a.txt.bak"), before);
    EXPECT_NE(readFile(dir / "a.txt"), before);
}

// A scheme whose save fails (its folder is gone) stays on screen as it was, whatever was
// leaving it; the files it would have replaced are untouched.
TEST_F(WorkflowTest, AFailedSaveStopsJumpOpenAndNew) {
    makeScheme("b.txt", {"other"});
    std::filesystem::create_directory(dir / "gone");
    makeScheme("gone/a.txt", {"work"});
    openFile("gone/a.txt");
    world.scheme.createItem("unsaved", 0, 0);
    std::filesystem::remove_all(dir / "gone");
    world.eval.Running = true;
    const std::string b = readFile(dir / "b.txt");

    EXPECT_FALSE(flow.Jump(path("b.txt")));
    dialogs.files = {path("b.txt"), path("c.txt")};
    flow.aOpen();
    flow.aNew();
    EXPECT_EQ(itemNames(), (std::vector<std::string>{"unsaved", "work"}));
    EXPECT_EQ(world.doc.FileName, path("gone/a.txt"));
    EXPECT_TRUE(world.eval.Running);
    EXPECT_EQ(dialogs.messages.size(), 3u);
    for (const auto& shown : dialogs.messages)
        EXPECT_EQ(shown.text.rfind("Cannot write " + path("gone/a.txt"), 0), 0u);
    EXPECT_EQ(readFile(dir / "b.txt"), b);
    EXPECT_FALSE(std::filesystem::exists(dir / "c.txt"));
    EXPECT_EQ(world.scheme.BusyDepth, 0);
    // The way forward aNew made was taken back whole: undo finds the user's own edit.
    world.scheme.journal().undo(world.scheme);
    EXPECT_EQ(itemNames(), std::vector<std::string>{"work"});
}

// An untitled scheme asks for a name with the save dialog; an existing file it replaces
// keeps its old text in the backup.
TEST_F(WorkflowTest, AnUntitledSaveAsksWithTheSaveDialogAndKeepsTheReplacedFile) {
    makeScheme("there.txt", {"precious"});
    const std::string there = readFile(dir / "there.txt");
    world.scheme.createItem("new", 0, 0);
    dialogs.files.push_back(path("there.txt"));
    ASSERT_TRUE(flow.closeQuery());
    EXPECT_EQ(dialogs.fileDialogs, std::vector<std::string>{"save"});
    EXPECT_EQ(readFile(dir / "there.txt.bak"), there);
    EXPECT_NE(readFile(dir / "there.txt"), there);
}

// A name given for a file that does not exist yet starts an empty scheme under it, as an
// editor does; the first save creates it.
TEST_F(WorkflowTest, AMissingStartUpFileStartsAnEmptySchemeUnderItsName) {
    world.doc.FileName = path("new.txt");
    flow.OpenOrStart();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(titles.back(), "new - Lumeris");
    EXPECT_TRUE(world.eval.Running);
    world.scheme.createItem("first", 0, 0);
    ASSERT_TRUE(flow.closeQuery());
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    EXPECT_NE(readFile(dir / "new.txt").find("first"), std::string::npos);
    // An existing one opens as ever.
    world.scheme.empty();
    flow.OpenOrStart();
    EXPECT_EQ(itemNames(), std::vector<std::string>{"first"});
}

// Each link is relative only when its target lies in the linking scheme's folder or below.
TEST_F(WorkflowTest, NewSchemeAddressesAreRelativeWithinTheFolderOnly) {
    std::filesystem::create_directories(dir / "home/sub");
    makeScheme("home/old.txt", {"start"});
    const struct {
        const char* file;
        std::string forward, back;
    } cases[] = {{"home/sub/deeper.txt", "sub/deeper.txt", path("home/old.txt")},
                 {"outside.txt", path("outside.txt"), "home/old.txt"}};
    for (const auto& c : cases) {
        openFile("home/old.txt");
        dialogs.files.push_back(path(c.file));
        flow.aNew();
        EXPECT_EQ(world.scheme.ItemTail->url, c.back) << c.file;
        World old;
        old.doc.FileName = path("home/old.txt");
        Workflow(old, dialogs, {}).Open();
        EXPECT_EQ(old.scheme.ItemList->url, c.forward) << c.file;
    }
}

TEST_F(WorkflowTest, OpeningJumpingAndANewSchemeStartTheValueTrendAnew) {
    makeScheme("a.txt", {"one", "two"});
    makeScheme("b.txt", {"three"});
    openFile("a.txt");
    world.trend.watch(world.scheme.ItemList);
    world.trend.record(world.scheme);
    flow.Jump(path("b.txt"));
    EXPECT_EQ(world.trend.lastStep(), 0);
    EXPECT_EQ(world.trend.columns(), std::vector<CPoint*>{world.scheme.ItemList});
    EXPECT_TRUE(world.trend.watchedItems(world.scheme).empty());

    world.trend.record(world.scheme);
    dialogs.files.push_back(path("new.txt"));
    flow.aNew();
    EXPECT_EQ(world.trend.lastStep(), 0);
    EXPECT_EQ(world.trend.columns().size(), 2u);
}

} // namespace
} // namespace lumeris
