// lumeris-cli layout IN -n N [--width W] [-o OUT] [--dump DUMP]: N movement steps, each run
// as from inside a frame on a canvas W pixels wide at the Scale read from IN, nothing
// selected.
#include "cli/commands.h"
#include "cli/io.h"
#include "engine/dump.h"
#include "view/movement.h"

#include <cstdio>
#include <fstream>

namespace lumeris::cli {

namespace {

int writeDump(const std::string& path, const Scheme& scheme) {
    const std::string text = dumpScheme(scheme);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (out)
        return 0;
    std::fprintf(stderr, "Can not write %s\n", path.c_str());
    return 4;
}

} // namespace

int runLayout(const Arguments& args) {
    const auto parsed = parseArguments(
        args, {.withValue = {"-n", "--width", "-o", "--dump"}, .flags = {}, .positionalCount = 1});
    if (!parsed || !parsed->value("-n"))
        return usage();
    const auto steps = integerArgument(*parsed->value("-n"));
    const auto width = integerArgument(parsed->value("--width").value_or("1000"));
    if (!steps || *steps < 0 || !width || *width < 0)
        return usage();

    World world;
    if (const int status = readSchemeInput(parsed->positional[0], world))
        return status;
    MovementStep step;
    for (std::int32_t i = 0; i < *steps; ++i) {
        BusyGuard frame(world.scheme);
        step.run(world.scheme, world.view.Scale, *width);
    }
    if (const auto dump = parsed->value("--dump"))
        if (const int status = writeDump(*dump, world.scheme))
            return status;
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
