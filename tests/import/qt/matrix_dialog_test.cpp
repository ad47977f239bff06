#include "import/qt/matrix_dialog.h"
#include "support/scripted_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <vector>

namespace lumeris {
namespace {

struct MatrixDialogTest : ::testing::Test {
    World world;
    test::ScriptedDialogs dialogs;
    std::mt19937 random{4};
    MatrixDialog dialog{world, dialogs, random};

    MatrixDialogTest() {
        world.view.ScreenX = -50;
        world.input.LastMouseX = 20; // world x -30
    }
};

TEST_F(MatrixDialogTest, CreateBuildsTheDefaultNetworkAndCloses) {
    EXPECT_EQ(dialog.windowTitle(), QString("Создать сеть"));
    EXPECT_EQ(dialog.meY->text(), "3");
    EXPECT_EQ(dialog.meDY->text(), "64");
    EXPECT_EQ(dialog.meX->text(), "10");
    EXPECT_EQ(dialog.meDX->text(), "64");
    EXPECT_FALSE(dialog.cbRandom->isChecked());
    EXPECT_TRUE(dialog.Button1->isDefault());

    dialog.show();
    dialog.Button1->click();
    EXPECT_EQ(world.scheme.ItemCount, 30);
    EXPECT_EQ(world.scheme.LinkCount, 200);
    EXPECT_EQ(world.scheme.ItemTail->Name, "n[1,1]");
    EXPECT_EQ(world.scheme.ItemTail->X, -30 + 64);
    EXPECT_EQ(world.scheme.ItemTail->Y, -64);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(world.scheme.BusyDepth, 0);
    EXPECT_EQ(world.scheme.RedrawRequests, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MatrixDialogTest, FieldWithoutANumberIsReportedAndKeepsTheDialogOpen) {
    dialog.meX->clear();
    dialog.show();
    dialog.Button1->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("is not a valid integer value"), std::string::npos);
    EXPECT_EQ(world.scheme.ItemCount, 0);
    EXPECT_EQ(world.scheme.BusyDepth, 0);
    EXPECT_TRUE(dialog.isVisible());

    dialog.meX->setText("2");
    dialog.meY->setText("1");
    dialog.cbRandom->setChecked(true);
    dialog.Button1->click();
    EXPECT_EQ(world.scheme.ItemCount, 2);
    EXPECT_EQ(world.scheme.LinkCount, 0);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(MatrixDialogTest, FieldsHoldThreeDigitsAtMost) {
    dialog.meDX->setText("12a45");
    EXPECT_EQ(dialog.meDX->text(), "124");
}

} // namespace
} // namespace lumeris
