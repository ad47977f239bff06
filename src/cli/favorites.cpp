// lumeris-cli favorites DIR [-o OUT]: DIR walked as the chosen bookmark folder at world point
// (0, 0).
#include "import/favorites.h"
#include "cli/commands.h"
#include "cli/io.h"

namespace lumeris::cli {

int runFavorites(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"-o"}, .flags = {}, .positionalCount = 1});
    if (!parsed)
        return usage();
    World world;
    importFavorites(world.scheme, parsed->positional[0], 0, 0);
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
