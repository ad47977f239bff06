#include "app/info_options.h"

#include <cstdio>
#include <string_view>

namespace lumeris {

std::optional<int> answerInfoOption(int argc, const char* const* argv) {
    if (argc < 2)
        return std::nullopt;
    const std::string_view word = argv[1];
    if (word == "--version") {
        std::puts("lumeris " LUMERIS_VERSION);
        return 0;
    }
    if (word != "--help" && word != "-h")
        return std::nullopt;
    std::fputs("usage: lumeris [--lang ru|en] [FILE]\n"
               "A notebook for viewing, editing and checking schemes.\n"
               "\n"
               "Opens the scheme FILE (a text file whose first line is \"Lumeris 1.5\" or\n"
               "\"Lumeris 1.4\"); without FILE, \"lumeris.txt\" in the program's folder\n"
               "(~/.local/share/lumeris once installed, filled with the examples on first use).\n"
               "The scheme is saved back, its previous version kept as FILE.bak, when the\n"
               "program ends (Ctrl+Q ends it without saving).\n"
               "\n"
               "  --lang ru|en  speak Russian or English in this run (the default follows the\n"
               "                language chosen in the menu, else the desktop's language)\n"
               "  -h, --help    show this help and end\n"
               "  --version     show the version and end\n"
               "\n"
               "See lumeris(1) for the mouse gestures, keys and menu.\n",
               stdout);
    return 0;
}

} // namespace lumeris
