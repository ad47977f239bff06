#include "cli/help.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace lumeris::cli {

namespace {

struct CommandHelp {
    const char* name;
    const char* synopsis;
    const char* summary;
    const char* details;
    bool writesScheme = true; // takes -o OUT
};

// One entry per command, in the order of the usage line.
constexpr CommandHelp Helps[] = {
    {"convert", "convert IN [-o OUT]", "read a scheme and write it as Save writes it",
     "Reads IN (\"Lumeris 1.5\" or the older \"Lumeris 1.4\" layout) and writes it in the\n"
     "current layout, exactly the bytes the program's Save writes.\n"},
    {"run", "run IN -n N [--teach] [-o OUT] [--dump DUMP] [--history CSV [--items ID,ID...]]",
     "N propagation steps",
     "Runs N steps (with --teach, N teach commands) on the scheme read from IN, as the\n"
     "window's Step command does, and writes the result. Spreadsheet items read and write\n"
     "NS.csv in the current folder.\n"
     "  --dump DUMP  also write every item's and link's state at full precision\n"
     "  --history CSV  also write every item's value after each step: a line \"step,ID,...\"\n"
     "               (items oldest first), then one line per step from 0 (as read) to N\n"
     "  --items ID,ID...  only these items' values, in this order\n"},
    {"layout", "layout IN -n N [--width W] [-o OUT] [--dump DUMP]", "N movement steps",
     "Runs N steps of movement mode on the scheme read from IN, on a canvas W pixels wide\n"
     "(default 1000), and writes the result.\n"
     "  --dump DUMP  also write every item's and link's state at full precision\n"},
    {"lisp", "lisp SRC [-o OUT]", "a scheme from Lisp source",
     "Imports the Lisp source SRC into an empty scheme, as pasting it does.\n"},
    {"generate", "generate --rows R --cols C [--dx DX] [--dy DY] [--random --seed S] [-o OUT]",
     "a layered, fully connected network",
     "Generates R rows of C items, DX apart in a row and DY between rows (default 64),\n"
     "every item linked to every item of the row above. Values and coefficients are 1,\n"
     "or random from seed S with --random.\n"},
    {"favorites", "favorites DIR [-o OUT]", "a scheme from a folder of bookmarks",
     "Turns the folder DIR of internet shortcut files into a tree of items carrying their\n"
     "addresses.\n"},
    {"paste", "paste SRC [--into IN] [-o OUT]", "a paste of text into a scheme",
     "Pastes the UTF-8 text SRC as the window pastes the clipboard's text: a scheme fragment\n"
     "(first line \"Lumeris 1.5\") lands around world point (0, 0); other text becomes one item\n"
     "per line, more than three lines around a \"*\" hub. The scheme is IN, read as by convert,\n"
     "or an empty one.\n"},
    {"loops", "loops IN [--limit K] [--max-length L]", "the feedback loops of a scheme",
     "Lists the feedback loops of IN, one a line: R (reinforcing), B (balancing) or 0 (a zero\n"
     "coefficient on the way), TAB, the length, TAB, the item ids in link direction from the\n"
     "smallest. Shortest first, then \"N loops\", or \"more than K loops\" when the search met\n"
     "more than K (default 10000); with L, loops longer than L are met but not listed.\n",
     false},
    {"export", "export IN -o OUT.graphml|OUT.csv|OUT.dot", "a scheme for other tools",
     "Writes the scheme read from IN in the format OUT's ending names: GraphML (items as\n"
     "nodes \"n\" + id with name, x, y, value, type, url, text, fixed and andor; links as\n"
     "edges with weight, andor and name), CSV (From,To,Weight,Name, one row per link) or\n"
     "DOT for Graphviz.\n"},
    {"import", "import SRC.graphml|SRC.csv [--into IN] [-o OUT]", "a graph from other tools",
     "Adds the GraphML or CSV file SRC (UTF-8) to IN, read as by convert, or to an empty\n"
     "scheme. Nodes become items with fresh ids in the file's order, keeping the positions\n"
     "their file gives; the others are listed 32 units apart from (0, 0). Weights are the\n"
     "coefficients (1 when absent), clamped to -1..1; undirected edges become two links;\n"
     "nested graphs and hyperedges are skipped. What was changed or skipped is told on\n"
     "standard error. Malformed input writes nothing and exits with status 2.\n"},
#if LUMERIS_RENDER
    {"render",
     "render IN -o OUT.png|OUT.svg|OUT.pdf [--fit | --view] [--size WxH] [--steps N] [--numbers] "
     "[--traces]",
     "a picture of a scheme: PNG, SVG or PDF",
     "Draws the scheme read from IN as the window does, without the grid, into a picture of\n"
     "WxH canvas pixels (default 1920x1080), in the format OUT's ending names: PNG pixels, or\n"
     "SVG and PDF vectors whose names and numbers are text. Needs no display. OUT is required.\n"
     "  --fit        show every visible item, fitted with a margin (the default)\n"
     "  --view       show the view the file stores (its ScreenX, ScreenY and Scale)\n"
     "  --steps N    run N propagation steps first, as run does\n"
     "  --numbers    show values (as F3 does)\n"
     "  --traces     show every item's trace bars (as F4 does)\n"},
#endif
};

constexpr const char* Statuses = "Exit status: 0 done, 1 wrong usage, 2 a data error (\"Error in "
                                 "data, line N\"),\n3 not a scheme file (\"Invalid data file\"), "
                                 "4 the output could not be written.\n";

bool asked(std::string_view word) {
    return word == "--help" || word == "-h";
}

int generalHelp() {
    std::puts("usage: lumeris-cli COMMAND ARGUMENTS...\n"
              "Schemes without a window, for batch work. The result goes to OUT with -o, else\n"
              "to standard output.\n\nCommands:");
    for (const CommandHelp& help : Helps)
        std::printf("  %-10s %s\n", help.name, help.summary);
    std::printf("\nRun 'lumeris-cli COMMAND --help' for a command's arguments.\n%s", Statuses);
    return 0;
}

int commandHelp(const CommandHelp& help) {
    std::printf(
        "usage: lumeris-cli %s\n%s%s%s", help.synopsis, help.details,
        help.writesScheme ? "  -o OUT       write the result to OUT, not to standard output\n" : "",
        Statuses);
    return 0;
}

} // namespace

std::optional<int> answerHelp(int argc, const char* const* argv) {
    if (argc < 2)
        return std::nullopt;
    const std::string_view first = argv[1];
    if (first == "--version") {
        std::puts("lumeris-cli " LUMERIS_VERSION);
        return 0;
    }
    if (asked(first))
        return generalHelp();
    const auto help = std::find_if(std::begin(Helps), std::end(Helps),
                                   [&](const CommandHelp& h) { return first == h.name; });
    if (help != std::end(Helps) && std::any_of(argv + 2, argv + argc, asked))
        return commandHelp(*help);
    return std::nullopt;
}

} // namespace lumeris::cli
