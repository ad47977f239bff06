// The program's doors to the system that tests replace: ending the process and handing an
// address to the shell. The window calls only these, never the system directly.
#pragma once

#include <string>

namespace lumeris {

// "End the program": leaves at once, without saving and without asking.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void end(int exitCode) = 0;
};

// The shell's "open": an address (UTF-8) goes to its default handler.
class ShellLauncher {
  public:
    virtual ~ShellLauncher() = default;
    virtual bool open(const std::string& address) = 0;
};

} // namespace lumeris
