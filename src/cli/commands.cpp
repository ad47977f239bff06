#include "cli/commands.h"

#include "cli/convert.h"

#include <cstdio>

namespace lumeris::cli {

int runRun(const Arguments& args);
int runLayout(const Arguments& args);
int runLisp(const Arguments& args);
int runGenerate(const Arguments& args);
int runFavorites(const Arguments& args);
int runPaste(const Arguments& args);
int runLoops(const Arguments& args);

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"convert", runConvert}, {"run", runRun},           {"layout", runLayout},
        {"lisp", runLisp},       {"generate", runGenerate}, {"favorites", runFavorites},
        {"paste", runPaste},     {"loops", runLoops},
    };
    return table;
}

int usage() {
    std::fputs(
        "usage: lumeris-cli convert IN [-o OUT] | run IN -n N [--teach] [-o OUT] "
        "[--dump DUMP] | layout IN -n N [--width W] [-o OUT] [--dump DUMP] | lisp SRC "
        "[-o OUT] | generate --rows R --cols C [--dx DX] [--dy DY] [--random --seed S] "
        "[-o OUT] | favorites DIR [-o OUT] | paste SRC [--into IN] [-o OUT] | loops IN [--limit K] "
        "[--max-length L]\n",
        stderr);
    return 1;
}

} // namespace lumeris::cli
