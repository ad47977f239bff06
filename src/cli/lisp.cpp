// lumeris-cli lisp SRC [-o OUT]: SRC's bytes imported as Lisp source at world point (0, 0)
// into an empty scheme.
#include "import/lisp.h"
#include "cli/commands.h"
#include "cli/io.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace lumeris::cli {

int runLisp(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"-o"}, .flags = {}, .positionalCount = 1});
    if (!parsed)
        return usage();
    const std::string& path = parsed->positional[0];
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "Can not read %s\n", path.c_str());
        return 4;
    }
    const std::string source((std::istreambuf_iterator<char>(in)), {});
    World world;
    importLisp(world.scheme, source, 0, 0);
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
