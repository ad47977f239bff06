// `lumeris --help` and `lumeris --version`: answered on standard output before any window
// exists, so they work without a display. Any other first argument names the scheme file.
#pragma once

#include <optional>

namespace lumeris {

// The exit status when the first argument asks for help or the version, else nullopt.
std::optional<int> answerInfoOption(int argc, const char* const* argv);

} // namespace lumeris
