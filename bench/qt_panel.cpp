// RefreshPropertiesPanel as the 50 ms tick runs it: an item selected and nothing changed, the
// records shown on the offscreen widgets. Printed beside a floor measured in the same run:
// one empty Qt event round trip (post an event, deliver it).
#include "edit/interaction.h"
#include "program/world.h"
#include "props/qt/prop_panel.h"
#include "props/qt/text_windows.h"

#include <QApplication>
#include <chrono>
#include <cstdio>

using namespace lumeris;

namespace {

using Clock = std::chrono::steady_clock;

template <typename F> double bestMicros(int rounds, int calls, F&& f) {
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        for (int i = 0; i < calls; ++i)
            f();
        best = std::min(
            best, std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls);
    }
    return best;
}

struct Sink : QObject {
    bool event(QEvent*) override { return true; }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget main;
    main.resize(1000, 700);
    TfrmProp panel(&main);
    TfrmText editor(&main);
    TfrmProp2 text;
    main.show();

    World world;
    CPoint* item = world.scheme.createItem("Дождь", 200, 150);
    item->url = "http://example.org";
    item->text = "line one\r\nline two";
    world.scheme.Selected = {item, nullptr};
    world.scheme.EditState = EditItemSelected;
    const auto refresh = [&] {
        Props p{world.scheme, world.view, world.input, world.eval, world.doc, world.panel, {}};
        p.env.ClientWidth = p.env.WindowWidth = 1000;
        p.env.ClientHeight = p.env.WindowHeight = 700;
        p.env.CustomFocused = panel.customFocused();
        p.env.TextWidth = [&](const std::string& s) { return editor.textWidth(s); };
        RefreshPropertiesPanel(p);
        panel.showState(world.panel);
        editor.showState(world.panel);
        text.showState(world.panel);
    };
    refresh();

    const double tick = bestMicros(5, 20000, refresh);
    Sink sink;
    const double floor = bestMicros(5, 20000, [&] {
        QCoreApplication::postEvent(&sink, new QEvent(QEvent::User));
        QCoreApplication::sendPostedEvents(&sink);
    });
    std::printf("RefreshPropertiesPanel, item selected, nothing changed: %.3f us "
                "(target 100 us; %.3f x the floor)\n",
                tick, tick / floor);
    std::printf("floor, one empty Qt event round trip: %.3f us\n", floor);
    return 0;
}
