// The commands of lumeris-cli. Each returns the process's exit status: 0 done, 1 wrong usage,
// 2 a data or conversion error, 3 not a scheme file.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace lumeris::cli {

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    int (*run)(const Arguments& args);
};

const std::vector<Command>& commands();

// Prints the usage line on stderr and returns status 1.
int usage();

} // namespace lumeris::cli
