// The shell and the program's end as tests see them: recorded, never carried out.
#pragma once

#include "platform/program_end.h"
#include "platform/shell_launcher.h"

#include <string>
#include <vector>

namespace lumeris::test {

// Addresses as given; files as "file:" + the name given. A `refusal` set makes every launch
// fail with that reason.
struct RecordingShell : ShellLauncher {
    std::vector<std::string> opened;
    std::string refusal;
    void open(const std::string& address, ShellFailure failed) override {
        opened.push_back(address);
        refuse(failed);
    }
    void openFile(const std::string& path, ShellFailure failed) override {
        opened.push_back("file:" + path);
        refuse(failed);
    }

  private:
    void refuse(const ShellFailure& failed) const {
        if (!refusal.empty() && failed)
            failed(refusal);
    }
};

struct RecordingEnd : ProgramEnd {
    int ended = 0;
    void end(int) override { ++ended; }
};

} // namespace lumeris::test
