// The program's two waits: start-up to the first presented frame of the demo scheme, and
// opening a 100,000-item scheme, jumping from it to another scheme and back. Each is printed
// beside its target (1 s) and beside a floor measured in the same run: a bare window's first
// paint for the start-up, reading and writing the same bytes for the jumps.
#include "app/application.h"
#include "program/workflow.h"
#include "silent_dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace lumeris;

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct NoShell : ShellLauncher {
    void open(const std::string&, ShellFailure) override {}
    void openFile(const std::string&, ShellFailure) override {}
};
struct NoEnd : ProgramEnd {
    void end(int) override {}
};

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A 100,000-item scheme: a chain of items on a grid, each linked to the next.
void writeLargeScheme(const std::string& file, SilentDialogs& dialogs) {
    World world;
    CPoint* previous = nullptr;
    for (int i = 0; i < 100000; ++i) {
        CPoint* item =
            world.scheme.createItem("item " + std::to_string(i), (i % 300) * 64, (i / 300) * 64);
        if (previous)
            world.scheme.createLink(previous, item);
        previous = item;
    }
    world.doc.FileName = file;
    Workflow(world, dialogs, {}).Save();
}

// `start` is taken before the QApplication was made.
void startUp(Clock::time_point start, const std::filesystem::path& scratch) {
    SilentDialogs dialogs;
    NoShell shell;
    NoEnd end;
    World world;
    Application app(world, {dialogs, shell, end, nullptr, {}, {}}, (scratch / "demo.txt").string());
    app.show();
    Surface& surface = app.frmMain.surface();
    while (surface.Presented == 0 && msSince(start) < 10000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        app.frmMain.Repaint(false);
    }
    const double elapsed = msSince(start);

    const auto floorStart = Clock::now();
    {
        QWidget bare;
        bare.resize(1024, 768);
        bare.show();
        QApplication::processEvents();
    }
    const double floor = msSince(floorStart);
    std::printf("start-up to the first presented frame of the demo (%d items)\n",
                world.scheme.ItemCount);
    std::printf("  floor (bare window shown)  %8.1f ms\n", floor);
    std::printf("  start-up                   %8.1f ms  (target <= 1000 ms)%s\n", elapsed,
                surface.Presented ? "" : "  NO FRAME");
}

void jumps(const std::filesystem::path& scratch) {
    SilentDialogs dialogs;
    const std::string large = (scratch / "large.txt").string();
    const std::string other = (scratch / "other.txt").string();
    writeLargeScheme(large, dialogs);
    {
        World small;
        small.scheme.createItem("back", 0, 0)->url = large;
        small.doc.FileName = other;
        Workflow(small, dialogs, {}).Save();
    }
    const std::string bytes = readAll(large);

    // The floor: the same bytes read and written as often as the jumps read and write them.
    const auto floorStart = Clock::now();
    for (int i = 0; i < 2; ++i) {
        std::ofstream(scratch / "copy.txt", std::ios::binary) << readAll(large);
    }
    const double floor = msSince(floorStart);

    World world;
    Workflow flow(world, dialogs, {});
    const auto start = Clock::now();
    world.doc.FileName = large;
    flow.Open();
    const double opened = msSince(start);
    flow.Jump(other);
    const double away = msSince(start);
    flow.Jump(large);
    const double total = msSince(start);
    std::printf("open %d items (%.1f MB), jump away and back\n", world.scheme.ItemCount,
                double(bytes.size()) / 1e6);
    std::printf("  floor (read + write x2)    %8.1f ms\n", floor);
    std::printf("  open                       %8.1f ms\n", opened);
    std::printf("  jump away (saves it)       %8.1f ms\n", away - opened);
    std::printf("  jump back                  %8.1f ms\n", total - away);
    std::printf("  in all                     %8.1f ms  (target <= 1000 ms), ratio to floor %.1f\n",
                total, total / floor);
}

} // namespace

int main(int argc, char* argv[]) {
    const auto scratch =
        std::filesystem::temp_directory_path() / ("lumeris-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch);
    const auto examples = std::filesystem::path(__FILE__).parent_path().parent_path() / "examples";
    std::filesystem::copy_file(examples / "demo.txt", scratch / "demo.txt");

    const auto start = Clock::now();
    QApplication app(argc, argv);
    startUp(start, scratch);
    jumps(scratch);
    std::filesystem::remove_all(scratch);
}
