// The shell's "open", injected so that tests record what would have been opened.
#pragma once

#include <functional>
#include <string>

namespace lumeris {

// Why the system could not open an address (UTF-8, ready to show). The system may find out
// only after the launch returned, so it may be called later, from the event loop.
using ShellFailure = std::function<void(const std::string& reason)>;

// An address or a file (UTF-8) goes to its default handler; `failed`, when given, hears of a
// launch that no handler took or that failed.
class ShellLauncher {
  public:
    virtual ~ShellLauncher() = default;
    virtual void open(const std::string& address, ShellFailure failed = {}) = 0;
    // A file name, relative to the current folder or full; never read as a web address.
    virtual void openFile(const std::string& path, ShellFailure failed = {}) = 0;
};

} // namespace lumeris
