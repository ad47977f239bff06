#include "program/lisp_command.h"

#include "import/lisp.h"
#include "view/transform.h"

namespace lumeris {

void PasteLisp1Click(World& world, std::string_view clipboard) {
    importLisp(world.scheme, clipboard, ToWorldX(world.view, world.input.LastMouseX),
               ToWorldY(world.view, world.input.LastMouseY));
}

} // namespace lumeris
