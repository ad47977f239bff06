#include "app_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>

namespace lumeris::test {
namespace {

TEST(CanvasEvents, ToolkitEventsBecomePointerEvents) {
    const auto left = pointerEvent(Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, {3, 4});
    ASSERT_TRUE(left);
    EXPECT_EQ(left->button, ButtonLeft);
    EXPECT_TRUE(left->shift && left->alt && !left->ctrl);
    EXPECT_EQ(left->x, 3);
    EXPECT_EQ(left->y, 4);
    EXPECT_EQ(pointerEvent(Qt::RightButton, Qt::ControlModifier, {})->button, ButtonRight);
    EXPECT_TRUE(pointerEvent(Qt::RightButton, Qt::ControlModifier, {})->ctrl);
    EXPECT_EQ(pointerEvent(Qt::MiddleButton, {}, {})->button, ButtonMiddle);
    EXPECT_FALSE(pointerEvent(Qt::BackButton, {}, {})); // not the canvas's
}

struct CanvasTest : AppTest {
    void send(QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::MouseButtons held) {
        QWidget* canvas = main().canvas();
        QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas, &event);
    }
    void click(Qt::MouseButton button, QPoint at) {
        send(QEvent::MouseMove, Qt::NoButton, at, Qt::NoButton);
        send(QEvent::MouseButtonPress, button, at, button);
        send(QEvent::MouseButtonRelease, button, at, Qt::NoButton);
    }
};

TEST_F(CanvasTest, ARightDragAndADoubleClickEditTheSchemeOfTheWindow) {
    makeScheme("one.txt", {"a"}); // the item at world (0, 0)
    start(path("one.txt"));
    app->show();
    QCoreApplication::processEvents();
    world.view.ScreenX = world.view.ScreenY = 0;
    send(QEvent::MouseMove, Qt::NoButton, {0, 0}, Qt::NoButton);
    send(QEvent::MouseButtonPress, Qt::RightButton, {0, 0}, Qt::RightButton);
    send(QEvent::MouseMove, Qt::NoButton, {200, 120}, Qt::RightButton);
    send(QEvent::MouseButtonRelease, Qt::RightButton, {200, 120}, Qt::NoButton);
    ASSERT_EQ(world.scheme.ItemCount, 2);
    EXPECT_EQ(world.scheme.LinkCount, 1);
    EXPECT_EQ(world.scheme.ItemList->X, int(200 / world.view.Scale));

    click(Qt::LeftButton, {300, 300});
    send(QEvent::MouseButtonDblClick, Qt::LeftButton, {300, 300}, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton, {300, 300}, Qt::NoButton);
    EXPECT_EQ(world.scheme.ItemCount, 3);
    EXPECT_EQ(world.scheme.EditState, EditNameEditing);
}

TEST_F(CanvasTest, CopyAndPasteGoThroughTheClipboardAndABadFragmentIsOnlyReported) {
    makeScheme("one.txt", {"a", "b"});
    start(path("one.txt"));
    world.scheme.HoverKind = HoverItem;
    world.scheme.Hovered = {world.scheme.ItemList, nullptr};
    main().action("aCopy")->trigger();
    ASSERT_TRUE(clipboard.held);
    EXPECT_EQ(clipboard.held->rfind("Lumeris 1.5\r\n", 0), 0u);
    main().action("aPaste")->trigger();
    EXPECT_EQ(world.scheme.ItemCount, 3);

    clipboard.held = "Lumeris 1.5\r\nItems\r\nnot a number\r\n";
    main().action("aPaste")->trigger();
    EXPECT_EQ(world.scheme.ItemCount, 3);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, "Error in data, line 3");
    EXPECT_EQ(dialogs.messages.back().caption, "");
    EXPECT_EQ(end.ended, 0);
}

} // namespace
} // namespace lumeris::test
