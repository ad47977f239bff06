#include "program/lisp_command.h"

#include "import/lisp.h"
#include "view/transform.h"

#include <fstream>
#include <iterator>

namespace lumeris {

void PasteLisp1Click(World& world, std::string_view clipboard) {
    importLisp(world.scheme, clipboard, ToWorldX(world.view, world.input.LastMouseX),
               ToWorldY(world.view, world.input.LastMouseY));
}

bool importLispFile(World& world, const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string source{std::istreambuf_iterator<char>(file), {}};
    if (!file.is_open() || file.bad())
        return false;
    PasteLisp1Click(world, source);
    ++world.scheme.RedrawRequests;
    return true;
}

} // namespace lumeris
