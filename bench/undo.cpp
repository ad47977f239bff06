// Undo and redo on large schemes, each beside what the edit itself cost in the same run:
// - a paste of 100,000 items with their links, undone and redone (target 200 ms each);
// - deleting a chosen group of 100,000 items with 300,000 links, undone and redone
//   (target 200 ms each);
// - a drag of a 10,000-item group through 40 steps with the history recording and without
//   (target: at most 10% more).
#include "edit/edit_commands.h"
#include "edit/move_items.h"
#include "files/scheme_writer.h"
#include "platform/no_window.h"
#include "program/world.h"
#include "scattered_scheme.h"

#include <chrono>
#include <cstdio>
#include <functional>

using namespace lumeris;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Items = 100000;
constexpr int LinksPerItem = 3;
constexpr int GroupSize = 10000;
constexpr int DragSteps = 40;

double millis(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, double edit, double undo, double redo) {
    std::printf("%-40s edit %8.1f ms   undo %8.1f ms   redo %8.1f ms   (target 200 ms)\n", what,
                edit, undo, redo);
}

void pasteFigures() {
    std::string fragment;
    {
        World source;
        buildScatteredScheme(source.scheme, Items, LinksPerItem);
        fragment = saveBytes(source.scheme, source.view, source.doc);
    }
    World world;
    NoWindow window;
    Editor editor{world.scheme, world.view, world.input, world.doc, window};
    buildScatteredScheme(world.scheme, 1000, LinksPerItem);
    Journal& journal = world.scheme.journal();
    journal.setRecording(true);
    const double edit = millis([&] { aPasteExecute(editor, fragment), journal.endStep(); });
    const double undo = millis([&] { journal.undo(world.scheme); });
    const double redo = millis([&] { journal.redo(world.scheme); });
    report("paste of 100,000 items", edit, undo, redo);
}

void deleteFigures() {
    World world;
    buildScatteredScheme(world.scheme, Items, LinksPerItem);
    Journal& journal = world.scheme.journal();
    journal.setRecording(true);
    for (CPoint* p = world.scheme.ItemList; p; p = p->Next)
        p->Mark = 2;
    world.scheme.EditState = EditGroupChosen;
    const double edit = millis([&] { destroyGroup(world.scheme), journal.endStep(); });
    const double undo = millis([&] { journal.undo(world.scheme); });
    const double redo = millis([&] { journal.redo(world.scheme); });
    report("delete of a 100,000-item group", edit, undo, redo);
}

double dragMillis(bool recording) {
    World world;
    buildScatteredScheme(world.scheme, Items, LinksPerItem);
    Scheme& scheme = world.scheme;
    scheme.journal().setRecording(recording);
    int chosen = 0;
    for (CPoint* p = scheme.ItemList; p && chosen < GroupSize; p = p->Next, ++chosen)
        p->Mark = 2;
    scheme.EditState = EditGroupChosen;
    return millis([&] {
               for (int i = 0; i < DragSteps; ++i)
                   MoveItems(scheme, scheme.ItemList, 3, -2, false);
               scheme.journal().endStep();
           }) /
           DragSteps;
}

} // namespace

int main() {
    pasteFigures();
    deleteFigures();
    const double plain = dragMillis(false), recorded = dragMillis(true);
    std::printf("drag step of a 10,000-item group         without %.3f ms   recording %.3f ms"
                "   ratio %.2f (target 1.10)\n",
                plain, recorded, recorded / plain);
}
