// Following items' addresses in the window, against a real HTTP server on the loopback address.
#include "app_fixture.h"
#include "loopback_server.h"

#include <QTimer>

namespace lumeris::test {
namespace {

namespace fs = std::filesystem;

struct AddressTest : AppTest {
    LoopbackServer server;

    AddressTest() { fs::current_path(dir.path()); }
    void startWith(const std::string& name, const std::string& url) {
        makeScheme("first.txt", {"here"});
        start(path("first.txt"));
        follow(name, url);
    }
    // Selects a new item with that name and address and opens it as the label click does.
    void follow(const std::string& name, const std::string& url) {
        CPoint* item = world.scheme.createItem(name, 0, 0);
        item->url = url;
        world.scheme.Selected = {item, nullptr};
        main().openAddress(item);
    }
    std::string current() const { return fs::path(world.doc.FileName).filename().string(); }
};

TEST_F(AddressTest, ASchemeIsFetchedWithTheHeadersAndOpenedCookiesKept) {
    makeScheme("served.txt", {"fetched"});
    server.response =
        LoopbackServer::answer("200 OK", QByteArray::fromStdString(readFile(dir / "served.txt")),
                               "Set-Cookie: visit=1\r\n");
    startWith("../up/second", server.url("/second.TXT"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(current(), ".._up_second-tmp.txt");
    EXPECT_EQ(world.scheme.ItemList->Name, "fetched");
    EXPECT_TRUE(world.eval.Running);
    ASSERT_EQ(server.requests.size(), 1);
    const QByteArray& head = server.requests[0];
    EXPECT_TRUE(head.startsWith("GET /second.TXT HTTP/1.1\r\n")) << head.toStdString();
    for (const char* header : {"Accept: text/html, */*\r\n", "Content-Type: text/html\r\n",
                               "User-Agent: Mozilla/3.0 (compatible; Lumeris1.5)\r\n"})
        EXPECT_TRUE(head.contains(header)) << header << head.toStdString();

    follow("again", server.url("/second.txt"));
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_TRUE(server.requests[1].contains("Cookie: visit=1\r\n"));
    EXPECT_TRUE(fs::exists(dir / "again-tmp.txt"));
}

TEST_F(AddressTest, AFailedFetchIsReportedAndChangesNothing) {
    std::string refused;
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost, 0);
        refused = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/a.txt";
    }
    struct Case {
        QByteArray response;
        std::string url, message, name = "link";
    };
    const Case cases[] = {
        {LoopbackServer::answer("404 Not Found", "<html>gone</html>"), server.url("/a.txt"),
         "(HTTP 404)"},
        {{}, refused, "refused"},
        {{}, "ftp://127.0.0.1/a.txt", "ftp"},
        {{}, server.url("/a.txt"), "Cannot write", std::string(300, 'x')},
    };
    makeScheme("first.txt", {"here"});
    start(path("first.txt"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        dialogs.messages.clear();
        server.response = c.response;
        world.eval.Running = true;
        follow(c.name, c.url);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_NE(dialogs.messages[0].text.find(c.message), std::string::npos)
            << dialogs.messages[0].text;
        EXPECT_FALSE(fs::exists(dir / "link-tmp.txt"));
        EXPECT_EQ(current(), "first.txt");
        EXPECT_FALSE(world.eval.Running);
    }
}

TEST_F(AddressTest, AServerThatNeverAnswersLeavesTheWindowAliveAndClosable) {
    int ticksWhileWaiting = -1;
    QTimer::singleShot(400, [&] {
        ticksWhileWaiting = world.eval.TickCount;
        follow("second click", "mailto:anna@example.org"); // ignored while the fetch waits
        EXPECT_TRUE(main().close());
    });
    startWith("link", server.url("/stalls.txt"));
    EXPECT_GT(ticksWhileWaiting, 3); // the timer kept ticking
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(fs::exists(dir / "link-tmp.txt"));
    EXPECT_EQ(current(), "first.txt");
}

} // namespace
} // namespace lumeris::test
