// A whole program in a test: the windows with scripted dialogs, a recording shell and a
// recorded end instead of the real ones.
#pragma once

#include "app/application.h"
#include "support/paths.h"
#include "support/recording_seams.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <memory>

namespace lumeris::test {

// The clipboard as a string the test reads and writes.
struct TextClipboard : Clipboard {
    std::optional<std::string> held;
    std::optional<std::string> text() override { return held; }
    void setText(const std::string& text) override { held = text; }
};

struct AppTest : ::testing::Test {
    ScratchDir dir;
    World world;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    RecordingEnd end;
    TextClipboard clipboard;
    LanguageChoice language;
    QPrinter* printer = nullptr; // the print commands' printer; set before start
    std::unique_ptr<Application> app;
    // Saving moves the process's current folder; the scratch folder goes away after the test.
    const std::filesystem::path startFolder = std::filesystem::current_path();
    ~AppTest() override { std::filesystem::current_path(startFolder); }

    void start(const std::string& fileName, bool createMissing = false) {
        MainServices services{dialogs,
                              shell,
                              end,
                              printer,
                              [] { return std::string("anna"); },
                              [] { return std::string("08.12.2026"); },
                              &clipboard,
                              {},
                              nullptr,
                              language};
        app = std::make_unique<Application>(world, services, fileName, createMissing);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }
    TfrmMain& main() { return app->frmMain; }
    // A scheme file with the named items.
    void makeScheme(const std::string& file, std::initializer_list<const char*> names) {
        World other;
        Workflow writer(other, dialogs, {});
        for (const char* name : names)
            other.scheme.createItem(name, 0, 0);
        other.doc.FileName = path(file);
        ASSERT_TRUE(writer.Save());
    }
};

} // namespace lumeris::test
