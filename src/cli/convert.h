// lumeris-cli convert IN [-o OUT]: reads a scheme file and writes it as Save would.
#pragma once

#include "cli/commands.h"

namespace lumeris::cli {

int runConvert(const Arguments& args);

} // namespace lumeris::cli
