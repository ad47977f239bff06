#include "import/qt/paste_lisp.h"

#include "import/lisp_command.h"
#include "view/qt/cp1251.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumeris {

void pasteLispFromClipboard(World& world) {
    PasteLisp1Click(world, toCp1251(QGuiApplication::clipboard()->text()));
}

} // namespace lumeris
