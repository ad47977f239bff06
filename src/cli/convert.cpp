#include "cli/convert.h"

#include "cli/io.h"

namespace lumeris::cli {

int runConvert(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"-o"}, .flags = {}, .positionalCount = 1});
    if (!parsed)
        return usage();
    World world;
    if (const int status = readSchemeInput(parsed->positional[0], world))
        return status;
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
