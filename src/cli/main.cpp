// lumeris-cli: the core without a window, for batch work and tests.
#include "cli/commands.h"
#include "cli/help.h"

#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    using namespace lumeris::cli;
    if (const auto status = answerHelp(argc, argv))
        return *status;
    if (argc < 2)
        return usage();
    const std::string_view command = argv[1];
    const Arguments args(argv + 2, argv + argc);
    for (const Command& c : commands())
        if (command == c.name)
            return c.run(args);
    return usage();
}
