// The real implementations of the program's seams.
#pragma once

#include "platform/program_end.h"
#include "platform/shell_launcher.h"

#include <QObject>

class QProcess;

namespace lumeris {

class QtProgramEnd : public ProgramEnd {
  public:
    // Leaves the process at once: no window is closed, so nothing is saved.
    void end(int exitCode) override;
};

// Hands addresses to xdg-open, as the desktop's own "open" does, but watches it: its exit
// status says whether a handler took the address. The launches still running when the
// launcher goes are left to finish unheard.
class QtShellLauncher : public QObject, public ShellLauncher {
  public:
    ~QtShellLauncher() override;
    void open(const std::string& address, ShellFailure failed = {}) override;
    void openFile(const std::string& path, ShellFailure failed = {}) override;

  private:
    void launch(const QString& argument, ShellFailure failed);
};

} // namespace lumeris
