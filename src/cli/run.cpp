// lumeris-cli run IN -n N [--teach] [-o OUT] [--dump DUMP] [--history CSV [--items IDS]]: N
// Step commands (Teach commands with --teach) on the scheme read from IN, nothing selected, no
// button held, no held value.
// Spreadsheet items use NS.csv in the current folder, as the program does.
#include "cli/commands.h"
#include "cli/history_output.h"
#include "cli/io.h"
#include "engine/commands.h"
#include "engine/dump.h"
#include "platform/csv_spreadsheet.h"

#include <cstdio>

namespace lumeris::cli {

namespace {

int cannotWrite(const std::string& path) {
    std::fprintf(stderr, "Can not write %s\n", path.c_str());
    return 4;
}

} // namespace

int runRun(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"-n", "-o", "--dump", "--history", "--items"},
                              .flags = {"--teach"},
                              .positionalCount = 1});
    if (!parsed || !parsed->value("-n"))
        return usage();
    const auto steps = integerArgument(*parsed->value("-n"));
    const auto historyPath = parsed->value("--history");
    const auto ids = parsed->value("--items");
    if (!steps || *steps < 0 || (ids && !historyPath))
        return usage();

    World world;
    if (const int status = readSchemeInput(parsed->positional[0], world))
        return status;
    HistoryOutput history;
    if (historyPath && !history.choose(world.scheme, ids))
        return usage();
    if (historyPath && !history.open(*historyPath))
        return cannotWrite(*historyPath);
    CsvSpreadsheet sheet;
    StepHooks hooks;
    hooks.spreadsheet = &sheet;
    const bool teach = parsed->has("--teach");
    for (std::int32_t i = 0; i < *steps; ++i) {
        if (teach)
            teachCommand(world.scheme, world.eval, hooks);
        else
            stepCommand(world.scheme, world.eval, hooks);
        // A line per command, also when it found nothing due: line k is what -n k dumps.
        if (historyPath && !history.record(world.scheme))
            return cannotWrite(*historyPath);
    }
    if (historyPath && !history.close())
        return cannotWrite(*historyPath);
    if (const auto dump = parsed->value("--dump"); dump && !saveDump(*dump, world.scheme))
        return cannotWrite(*dump);
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
