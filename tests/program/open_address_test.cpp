#include "program/open_address.h"

#include "support/paths.h"
#include "support/recording_seams.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumeris {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

// A transfer that writes `body` at once and ends after `delay` rounds of message processing.
struct ScriptedHttp : HttpClient {
    std::string body;
    HttpOutcome outcome{true, 200, ""};
    int delay = 0;
    std::vector<std::string> urls;
    Finished pending;

    void get(const std::string& url, const std::string& path, Finished finished) override {
        urls.push_back(url);
        writeFile(path, body);
        pending = std::move(finished);
        if (delay == 0)
            finish(outcome);
    }
    void abort() override { finish({false, 0, "Operation canceled"}); }
    void finish(const HttpOutcome& result) {
        if (Finished f = std::exchange(pending, nullptr))
            f(result);
    }
};

struct OpenAddressTest : ::testing::Test {
    test::ScratchDir dir;
    const fs::path startFolder = fs::current_path();
    World world;
    test::ScriptedDialogs dialogs;
    test::RecordingShell shell;
    ScriptedHttp http;
    Workflow flow{world, dialogs, {}};
    int rounds = 0;
    std::function<void()> duringWait;
    AddressOpener opener{world, flow, {dialogs, shell, http, (dir / "program").string(), [this] {
                                           if (duringWait)
                                               duringWait();
                                           if (++rounds == http.delay)
                                               http.finish(http.outcome);
                                       }}};

    OpenAddressTest() {
        fs::current_path(dir.path());
        fs::create_directory(dir / "program");
        makeScheme("first.txt", {"here"});
        makeScheme("served.txt", {"fetched"});
        http.body = readFile(dir / "served.txt");
        world.doc.FileName = (dir / "first.txt").string();
        flow.Open();
    }
    ~OpenAddressTest() override { fs::current_path(startFolder); }

    void makeScheme(const std::string& file, std::initializer_list<const char*> names) {
        World other;
        Workflow writer(other, dialogs, {});
        for (const char* name : names)
            other.scheme.createItem(name, 0, 0);
        other.doc.FileName = (dir / file).string();
        ASSERT_TRUE(writer.Save());
    }
    // Selects a new item with that name and address, stops the run and opens the address.
    void open(const std::string& url, const std::string& name = "link") {
        CPoint* item = world.scheme.createItem(name, 0, 0);
        item->url = url;
        world.scheme.Selected = {item, nullptr};
        world.eval.Running = false;
        world.eval.TickCount = 100;
        opener.openAddress();
    }
    std::string current() const { return fs::path(world.doc.FileName).filename().string(); }
};

TEST_F(OpenAddressTest, EachKindOfAddressGoesWhereItBelongs) {
    makeScheme("program/second.txt", {"there"});
    writeFile(dir / "notes.txt", "Lumeris\r\nnot a scheme\r\n");
    writeFile(dir / "short.txt", "Lum");
    writeFile(dir / "photo.png", "png");
    const std::string programFolder = (dir / "program").string();
    const std::string here = "file:" + dir.path().string() + "/";
    struct Case {
        const char* url;
        std::string shell;   // what the shell was given, or nothing
        const char* fetched; // the address fetched, or nothing
        const char* scheme;  // the file in use afterwards
        int tickCount;
    };
    const Case cases[] = {
        {"http://host/a.TXT", "", "http://host/a.TXT", "link-tmp.txt", 0},
        {"http://host/b.txt", "", "http://host/b.txt", "link-tmp.txt", 0},
        {"MAILTO:anna@example.org", "MAILTO:anna@example.org", "", "first.txt", 0},
        {"mailto:anna@example.org", "mailto:anna@example.org", "", "first.txt", 0},
        {"www.example.org/page", "www.example.org/page", "", "first.txt", 0},
        {"second.txt", "", "", "second.txt", 100},
        {"notes.txt", here + "notes.txt", "", "first.txt", 0},
        {"short.txt", here + "short.txt", "", "first.txt", 0},
        {"photo.png", here + "photo.png", "", "first.txt", 0},
        {"missing.pdf", "file:" + programFolder + "/missing.pdf", "", "first.txt", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        world.scheme.empty();
        world.doc.FileName = (dir / "first.txt").string();
        flow.Open();
        shell.opened.clear();
        http.urls.clear();
        open(c.url);
        EXPECT_EQ(shell.opened,
                  c.shell.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.shell});
        EXPECT_EQ(http.urls,
                  *c.fetched ? std::vector<std::string>{c.fetched} : std::vector<std::string>{});
        EXPECT_EQ(current(), c.scheme);
        EXPECT_EQ(world.eval.TickCount, c.tickCount);
        EXPECT_TRUE(world.eval.Running);
    }
}

TEST_F(OpenAddressTest, ASchemeFetchedStaysBehindAndTheRunGoesOn) {
    open("http://host/second.TXT", "\xC2\xF2\xEE\xF0\xE0\xFF"); // Вторая
    EXPECT_EQ(current(), "Вторая-tmp.txt");
    EXPECT_EQ(world.scheme.ItemList->Name, "fetched");
    EXPECT_EQ(readFile(dir / "Вторая-tmp.txt").substr(0, 11), "Lumeris 1.5");
    EXPECT_TRUE(world.eval.Running);
    EXPECT_EQ(world.scheme.MouseButtonState, MouseButtonNone);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(OpenAddressTest, AFileThatCannotBeReadIsReportedAndTheSchemeStays) {
    open("nowhere.txt");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Cannot read " + (dir / "program/nowhere.txt").string() +
                                            ": No such file or directory");
    EXPECT_EQ(current(), "first.txt");
    EXPECT_FALSE(world.eval.Running);
}

// Schemes link to their neighbours by relative names, wherever the current folder is.
TEST_F(OpenAddressTest, ARelativeNameIsLookedForBesideTheSchemeFirst) {
    fs::create_directory(dir / "elsewhere");
    writeFile(dir / "elsewhere/photo.png", "the current folder's");
    writeFile(dir / "photo.png", "the scheme's");
    fs::current_path(dir / "elsewhere");
    open("photo.png");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"file:" + (dir / "photo.png").string()});
}

// The system may refuse at once or later; either way the user hears which address and why.
TEST_F(OpenAddressTest, AnAddressTheShellCannotOpenIsReported) {
    shell.refusal = "no program is set to open it";
    open("www.example.org/page");
    open("missing.pdf");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Cannot open www.example.org/page: no program is set to open it");
    EXPECT_EQ(dialogs.messages[1].text, "Cannot open " + (dir / "program/missing.pdf").string() +
                                            ": no program is set to open it");
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Error);
}

TEST(FetchedSchemeFile, IsAlwaysAPlainFileInTheCurrentFolder) {
    const std::pair<std::string, std::string> cases[] = {
        {"scheme two", "scheme two-tmp.txt"},
        {"\xC2\xF2\xEE\xF0\xE0\xFF", "Вторая-tmp.txt"},
        {"../../etc/x", ".._.._etc_x-tmp.txt"},
        {"a\\b", "a_b-tmp.txt"},
        {"tab\there\n", "tab_here_-tmp.txt"},
        {"", "scheme-tmp.txt"},
        {".", "scheme-tmp.txt"},
        {"..", "scheme-tmp.txt"},
        {"...", "...-tmp.txt"},
    };
    for (const auto& [name, file] : cases)
        EXPECT_EQ(fetchedSchemeFile(name), file) << name;
}

TEST_F(OpenAddressTest, AFailedFetchLeavesNoFileAndTheSchemeAsItWas) {
    http.outcome = {false, 404, "Error transferring http://host/a.txt - server replied: Not Found"};
    http.body = "<html>half";
    open("http://host/a.txt", "../a");
    EXPECT_FALSE(fs::exists(dir / ".._a-tmp.txt"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Error transferring http://host/a.txt - server replied: Not Found (HTTP 404)");
    EXPECT_EQ(dialogs.messages[0].caption, "Lumeris");
    EXPECT_EQ(current(), "first.txt");
    EXPECT_FALSE(world.eval.Running);

    dialogs.messages.clear();
    http.outcome = {false, 0, "Connection refused"};
    open("http://host/a.txt");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Connection refused");
}

TEST_F(OpenAddressTest, WhileAFetchWaitsMessagesFlowAndAnotherOpenIsIgnored) {
    http.delay = 5;
    duringWait = [this] {
        EXPECT_TRUE(opener.fetching());
        open("mailto:anna@example.org");
    };
    open("http://host/a.txt");
    EXPECT_EQ(rounds, 5);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_EQ(current(), "link-tmp.txt");
    EXPECT_FALSE(opener.fetching());
}

TEST_F(OpenAddressTest, ClosingDuringAFetchEndsItQuietly) {
    http.delay = 1000;
    duringWait = [this] {
        if (rounds == 3) {
            opener.cancel();
            // Ending at once (Ctrl+Q) leaves no time for the wait to return.
            EXPECT_FALSE(fs::exists(dir / "link-tmp.txt"));
        }
    };
    open("http://host/a.txt");
    EXPECT_EQ(rounds, 4);
    EXPECT_FALSE(fs::exists(dir / "link-tmp.txt"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(current(), "first.txt");
    open("mailto:anna@example.org");
    EXPECT_TRUE(shell.opened.empty());
}

} // namespace
} // namespace lumeris
