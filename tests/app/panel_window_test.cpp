#include "app_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace lumeris::test {
namespace {

struct PanelWindowTest : AppTest {
    CPoint* item = nullptr;
    void SetUp() override {
        makeScheme("a.txt", {"one", "two"});
        start(path("a.txt"));
        app->show();
        item = world.scheme.ItemList;
        world.scheme.Selected = {item, nullptr};
        world.scheme.EditState = EditItemSelected;
        main().refreshPropertiesPanel();
    }
    QString shortcut(const char* name) { return main().action(name)->shortcut().toString(); }
};

// The panel edits the item, and the editing shortcuts stay away until the last of the panel
// and the text window is hidden.
TEST_F(PanelWindowTest, PanelAndTextWindowHoldTheShortcutsTogether) {
    ASSERT_TRUE(app->frmProp.isVisible());
    EXPECT_EQ(app->frmProp.ePropName->text(), "two");
    emit app->frmProp.ePropName->textEdited("renamed");
    EXPECT_EQ(item->Name, "renamed");
    for (const char* name : {"aDelete", "aNewItem", "aCut", "aCopy", "aPaste"})
        EXPECT_TRUE(shortcut(name).isEmpty()) << name;

    app->frmProp.tbText->click();
    EXPECT_TRUE(app->frmProp2.isVisible());
    main().hidePropertiesPanel();
    EXPECT_FALSE(app->frmProp.isVisible());
    EXPECT_TRUE(shortcut("aDelete").isEmpty());
    app->frmProp2.close();
    EXPECT_EQ(shortcut("aDelete"), "Del");
    EXPECT_EQ(shortcut("aPaste"), "Ctrl+V");
}

// With the name field focused, Ctrl+A is the window's "Центрировать"; the editing keys the
// panel takes away stay the field's.
TEST_F(PanelWindowTest, WindowShortcutsReachThroughTheNameField) {
    for (auto [key, fieldKeeps] :
         {std::pair{Qt::Key_A, false}, {Qt::Key_C, true}, {Qt::Key_V, true}, {Qt::Key_X, true}}) {
        QKeyEvent override(QEvent::ShortcutOverride, key, Qt::ControlModifier);
        override.setAccepted(false);
        QCoreApplication::sendEvent(app->frmProp.ePropName, &override);
        EXPECT_EQ(override.isAccepted(), fieldKeeps) << key;
    }
}

} // namespace
} // namespace lumeris::test
