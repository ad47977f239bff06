// --help and --version of lumeris-cli, answered on standard output with status 0.
#pragma once

#include <optional>

namespace lumeris::cli {

// `lumeris-cli --help`, `lumeris-cli --version` and `lumeris-cli COMMAND ... --help`: the exit
// status once answered; nullopt when the words ask for neither, and they then name a command
// to run or are wrong usage.
std::optional<int> answerHelp(int argc, const char* const* argv);

} // namespace lumeris::cli
