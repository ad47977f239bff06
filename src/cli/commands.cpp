#include "cli/commands.h"

#include "cli/convert.h"

#include <cstdio>

namespace lumeris::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"convert", runConvert},
    };
    return table;
}

int usage() {
    std::fputs("usage: lumeris-cli convert IN [-o OUT] | run IN -n N [--teach] [-o OUT] "
               "[--dump DUMP] | layout IN -n N [--width W] [-o OUT] [--dump DUMP] | lisp SRC "
               "[-o OUT] | generate --rows R --cols C [--dx DX] [--dy DY] [--random --seed S] "
               "[-o OUT] | favorites DIR [-o OUT]\n",
               stderr);
    return 1;
}

} // namespace lumeris::cli
