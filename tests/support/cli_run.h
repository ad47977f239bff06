// Runs lumeris-cli with its words in a scratch folder and keeps what it printed.
#pragma once

#include "support/paths.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace lumeris::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCli(const ScratchDir& dir, const std::string& words) {
    const std::string command = "cd '" + dir.path().string() + "' && '" + cliPath().string() +
                                "' " + words + " >stdout 2>stderr";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "stdout"),
            readFile(dir / "stderr")};
}

} // namespace lumeris::test
