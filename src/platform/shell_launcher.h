// The shell's "open", injected so that tests record what would have been opened.
#pragma once

#include <string>

namespace lumeris {

// An address or a file (UTF-8) goes to its default handler; false when none took it.
class ShellLauncher {
  public:
    virtual ~ShellLauncher() = default;
    virtual bool open(const std::string& address) = 0;
    // A file name, relative to the current folder or full; never read as a web address.
    virtual bool openFile(const std::string& path) = 0;
};

} // namespace lumeris
