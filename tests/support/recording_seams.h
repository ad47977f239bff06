// The shell and the program's end as tests see them: recorded, never carried out.
#pragma once

#include "platform/program_end.h"
#include "platform/shell_launcher.h"

#include <string>
#include <vector>

namespace lumeris::test {

// Addresses as given; files as "file:" + the name given.
struct RecordingShell : ShellLauncher {
    std::vector<std::string> opened;
    bool open(const std::string& address) override {
        opened.push_back(address);
        return true;
    }
    bool openFile(const std::string& path) override {
        opened.push_back("file:" + path);
        return true;
    }
};

struct RecordingEnd : ProgramEnd {
    int ended = 0;
    void end(int) override { ++ended; }
};

} // namespace lumeris::test
