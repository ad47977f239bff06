// lumeris-cli generate --rows R --cols C [--dx DX] [--dy DY] [--random --seed S] [-o OUT]:
// the network generator at world point (0, 0); without --random every value and coefficient
// is 1.
#include "cli/commands.h"
#include "cli/io.h"
#include "import/network.h"

namespace lumeris::cli {

int runGenerate(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"--rows", "--cols", "--dx", "--dy", "--seed", "-o"},
                              .flags = {"--random"},
                              .positionalCount = 0});
    if (!parsed || !parsed->value("--rows") || !parsed->value("--cols"))
        return usage();
    const auto rows = integerArgument(*parsed->value("--rows"));
    const auto cols = integerArgument(*parsed->value("--cols"));
    const auto dx = integerArgument(parsed->value("--dx").value_or("64"));
    const auto dy = integerArgument(parsed->value("--dy").value_or("64"));
    const bool random = parsed->has("--random");
    const auto seed = integerArgument(parsed->value("--seed").value_or("0"));
    if (!rows || !cols || !dx || !dy || !seed || (random && !parsed->value("--seed")))
        return usage();

    World world;
    std::mt19937 generator(static_cast<std::uint32_t>(*seed));
    generateNetwork(world.scheme, NetworkShape{*rows, *cols, *dx, *dy}, 0, 0,
                    random ? &generator : nullptr);
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
