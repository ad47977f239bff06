// lumeris-cli lisp SRC [-o OUT]: SRC's bytes imported as Lisp source at world point (0, 0)
// into an empty scheme.
#include "import/lisp.h"
#include "cli/commands.h"
#include "cli/io.h"

#include <cstdio>

namespace lumeris::cli {

int runLisp(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"-o"}, .flags = {}, .positionalCount = 1});
    if (!parsed)
        return usage();
    std::string source;
    if (const int status = readSourceFile(parsed->positional[0], source))
        return status;
    World world;
    importLisp(world.scheme, source, 0, 0);
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
