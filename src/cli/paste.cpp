// lumeris-cli paste SRC [--into IN] [-o OUT]: the Paste command with SRC's text as the
// clipboard's, into IN or an empty scheme, the pointer at world point (0, 0).
#include "cli/commands.h"
#include "cli/io.h"
#include "edit/edit_commands.h"
#include "platform/no_window.h"
#include "text/utf8_cp1251.h"

#include <cstdio>
#include <string_view>

namespace lumeris::cli {

namespace {

// The file's UTF-8 as the clipboard's text in Windows-1251, a leading byte-order mark dropped.
std::string clipboardText(std::string_view utf8) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (utf8.starts_with(ByteOrderMark))
        utf8.remove_prefix(ByteOrderMark.size());
    return utf8ToCp1251(utf8);
}

} // namespace

int runPaste(const Arguments& args) {
    const auto parsed =
        parseArguments(args, {.withValue = {"--into", "-o"}, .flags = {}, .positionalCount = 1});
    if (!parsed)
        return usage();
    std::string source;
    if (const int status = readSourceFile(parsed->positional[0], source))
        return status;
    World world;
    if (const auto into = parsed->value("--into"))
        if (const int status = readSchemeInput(*into, world))
            return status;
    // The paste sees a canvas whose corner and pointer are at world point (0, 0), just after a
    // pointer move; the scheme keeps its own view for the header.
    ViewState canvas = world.view;
    canvas.ScreenX = canvas.ScreenY = 0;
    world.input.LastMouseX = world.input.LastMouseY = 0;
    world.input.PasteOffset = 64;
    NoWindow window;
    Editor editor{world.scheme, canvas, world.input, world.doc, window};
    const ReadResult pasted = aPasteExecute(editor, clipboardText(source));
    if (!pasted) {
        std::fprintf(stderr, "%s\n", pasted.message.plain().c_str());
        return 2;
    }
    return writeSchemeOutput(parsed->value("-o"), world);
}

} // namespace lumeris::cli
