// lumeris-cli run IN -n N [--teach] [-o OUT] [--dump DUMP]: N Step commands (Teach commands
// with --teach) on the scheme read from IN, nothing selected, no button held, no held value.
// Spreadsheet items use NS.csv in the current folder, as the program does.
#include "cli/commands.h"
#include "cli/io.h"
#include "engine/dump.h"

#include <cstdio>

namespace lumeris::cli {

int runRun(const Arguments& args) {
    const auto parsed = parseArguments(
        args, {.withValue = {"-n", "-o", "--dump"}, .flags = {"--teach"}, .positionalCount = 1});
    if (!parsed || !parsed->value("-n"))
        return usage();
    const auto steps = integerArgument(*parsed->value("-n"));
    if (!steps || *steps < 0)
        return usage();

    World world;
    if (const int status = readSchemeInput(parsed->positional[0], world))
        return status;
    runSteps(world, *steps, parsed->has("--teach"));
    if (const auto dump = parsed->value("--dump"); dump && !saveDump(*dump, world.scheme)) {
        std::fprintf(stderr, "Can not write %s\n", dump->c_str());
        return 4;
    }
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
