#include "import/qt/paste_lisp.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace lumeris {
namespace {

TEST(PasteLisp, ClipboardTextIsImportedInWindows1251) {
    QGuiApplication::clipboard()->setText("(defun привет ☺)");
    if (QGuiApplication::clipboard()->text().isEmpty())
        GTEST_SKIP() << "this platform has no clipboard";
    World world;
    world.view.ScreenY = 1000;
    pasteLispFromClipboard(world);
    ASSERT_EQ(world.scheme.ItemCount, 4);
    EXPECT_EQ(world.scheme.ItemTail->Type, TypeLispList);
    EXPECT_EQ(world.scheme.ItemTail->Y, 1000);
    EXPECT_EQ(world.scheme.ItemList->Prev, nullptr);
    EXPECT_EQ(world.scheme.ItemList->Name, "?");
    EXPECT_EQ(world.scheme.ItemList->Next->Name, "\xEF\xF0\xE8\xE2\xE5\xF2");
}

} // namespace
} // namespace lumeris
