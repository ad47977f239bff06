// lumeris-cli loops IN [--limit K] [--max-length L]: the scheme's feedback loops, one a line
// (polarity, TAB, length, TAB, the ids in link direction from the smallest), shortest first,
// then "N loops", or "more than K loops" when the limit cut the search.
#include "cli/commands.h"
#include "cli/io.h"
#include "loops/circuits.h"

#include <cstdio>

namespace lumeris::cli {

namespace {

// A count given on the command line: a decimal integer, not negative.
bool countArgument(const ParsedArguments& parsed, std::string_view option, std::size_t& count) {
    const auto text = parsed.value(option);
    if (!text)
        return true;
    const auto value = integerArgument(*text);
    if (!value || *value < 0)
        return false;
    count = std::size_t(*value);
    return true;
}

} // namespace

int runLoops(const Arguments& args) {
    const auto parsed = parseArguments(
        args, {.withValue = {"--limit", "--max-length"}, .flags = {}, .positionalCount = 1});
    LoopLimits limits;
    if (!parsed || !countArgument(*parsed, "--limit", limits.limit) ||
        !countArgument(*parsed, "--max-length", limits.maxLength))
        return usage();
    World world;
    if (const int status = readSchemeInput(parsed->positional[0], world))
        return status;
    const LinkGraph graph = takeLinkGraph(world.scheme);
    const LoopList list = findLoops(graph, limits);
    for (const Loop& loop : list.loops) {
        std::printf("%c\t%zu\t", char(loop.polarity), loop.members.size());
        for (std::size_t i = 0; i < loop.members.size(); ++i)
            std::printf(i ? " %d" : "%d", int(graph.ids[loop.members[i]]));
        std::putchar('\n');
    }
    if (list.incomplete)
        std::printf("more than %zu loops\n", limits.limit);
    else
        std::printf("%zu loops\n", list.loops.size());
    return std::fflush(stdout) == 0 ? 0 : 4;
}

} // namespace lumeris::cli
