// The real implementations of the program's seams.
#pragma once

#include "platform/program_end.h"
#include "platform/shell_launcher.h"

namespace lumeris {

class QtProgramEnd : public ProgramEnd {
  public:
    // Leaves the process at once: no window is closed, so nothing is saved.
    void end(int exitCode) override;
};

class QtShellLauncher : public ShellLauncher {
  public:
    bool open(const std::string& address) override;  // QDesktopServices, that is xdg-open
    bool openFile(const std::string& path) override; // as a local-file URL
};

} // namespace lumeris
