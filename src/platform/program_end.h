// "End the program", the one way out that tests intercept: the window never ends the
// process directly.
#pragma once

namespace lumeris {

// Leaves at once, without saving and without asking.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void end(int exitCode) = 0;
};

} // namespace lumeris
