// The shell's "open", injected so that tests record what would have been opened.
#pragma once

#include <string>

namespace lumeris {

// An address (UTF-8) goes to its default handler; false when none took it.
class ShellLauncher {
  public:
    virtual ~ShellLauncher() = default;
    virtual bool open(const std::string& address) = 0;
};

} // namespace lumeris
