// lumeris-cli export IN -o OUT and lumeris-cli import SRC [--into IN] [-o OUT]: schemes to and
// from the formats other tools read, chosen by the file's ending.
#include "cli/commands.h"
#include "cli/io.h"
#include "exchange/messages.h"
#include "exchange/place.h"
#include "exchange/qt/exchange_files.h"

#include <cstdio>

namespace lumeris::cli {

int runExport(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"-o"}, .flags = {}, .positionalCount = 1});
    const auto out = parsed ? parsed->value("-o") : std::nullopt;
    const auto format = out ? formatOfFile(*out) : std::nullopt;
    if (!format)
        return usage();
    World world;
    if (const int status = readSchemeInput(parsed->positional[0], world))
        return status;
    return writeOutputFile(*out, writeExchange(*format, world.scheme));
}

// Without a pointer to land at, the nodes keep the positions their file gives; nodes without
// one are listed from world point (0, 0).
int runImport(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"--into", "-o"}, .flags = {}, .positionalCount = 1});
    const auto format = parsed ? formatOfFile(parsed->positional[0]) : std::nullopt;
    if (!format || !canImport(*format))
        return usage();
    std::string source;
    if (const int status = readSourceFile(parsed->positional[0], source))
        return status;
    World world;
    if (const auto into = parsed->value("--into"))
        if (const int status = readSchemeInput(*into, world))
            return status;
    const ExchangeRead read = readExchange(*format, source);
    if (!read) {
        std::fprintf(stderr, "%s\n", describeError(*read.error).c_str());
        return 2;
    }
    placeGraph(world.scheme, read.graph, Placement{0, 0, true});
    std::fputs(describeNotes(read.graph.notes).c_str(), stderr);
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
