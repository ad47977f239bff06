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
int runExport(const Arguments& args);
int runImport(const Arguments& args);
#if LUMERIS_RENDER
int runRender(const Arguments& args);
#endif

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"convert", runConvert},
        {"run", runRun},
        {"layout", runLayout},
        {"lisp", runLisp},
        {"generate", runGenerate},
        {"favorites", runFavorites},
        {"paste", runPaste},
        {"loops", runLoops},
        {"export", runExport},
        {"import", runImport},
#if LUMERIS_RENDER
        {"render", runRender},
#endif
    };
    return table;
}

int usage() {
    std::fputs(
        "usage: lumeris-cli convert IN [-o OUT] | run IN -n N [--teach] [-o OUT] "
        "[--dump DUMP] [--history CSV [--items ID,ID...]] | layout IN -n N [--width W] [-o OUT] "
        "[--dump DUMP] | lisp SRC [-o OUT] | generate --rows R --cols C [--dx DX] [--dy DY] "
        "[--random --seed S] [-o OUT] | favorites DIR [-o OUT] | paste SRC [--into IN] [-o OUT] "
        "| loops IN [--limit K] [--max-length L] | export IN -o OUT.graphml|OUT.csv|OUT.dot "
        "| import SRC.graphml|SRC.csv [--into IN] [-o OUT]"
#if LUMERIS_RENDER
        " | render IN -o OUT.png|OUT.svg|OUT.pdf [--fit | --view] [--size WxH] [--steps N] "
        "[--numbers] [--traces]"
#endif
        "\n",
        stderr);
    return 1;
}

} // namespace lumeris::cli
