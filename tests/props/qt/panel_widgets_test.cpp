#include "edit/interaction.h"
#include "program/world.h"
#include "props/qt/prop_panel.h"
#include "props/qt/text_windows.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace lumeris {
namespace {

// Counts what the widgets are told to change: texts, moves and resizes.
struct ChangeCounter : QObject {
    int changes = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Move || e->type() == QEvent::Resize || e->type() == QEvent::Show ||
            e->type() == QEvent::Hide)
            ++changes;
        return false;
    }
    void watch(QObject* root) {
        root->installEventFilter(this);
        for (QObject* child : root->findChildren<QObject*>()) {
            child->installEventFilter(this);
            if (auto* edit = qobject_cast<QLineEdit*>(child))
                connect(edit, &QLineEdit::textChanged, this, [this] { ++changes; });
        }
    }
};

struct PanelWidgetsTest : ::testing::Test {
    QWidget main;
    TfrmProp panel{&main};
    TfrmText editor{&main};
    World world;
    CPoint* item = world.scheme.createItem("Rain", 200, 150);

    PanelWidgetsTest() {
        main.resize(1000, 700);
        main.show();
        world.scheme.Selected = {item, nullptr};
        world.scheme.EditState = EditItemSelected;
    }
    void refresh() {
        Props p{world.scheme, world.view, world.input, world.eval, world.doc, world.panel, {}};
        p.env.ClientWidth = p.env.WindowWidth = 1000;
        p.env.ClientHeight = p.env.WindowHeight = 700;
        p.env.TextWidth = [this](const std::string& s) { return editor.textWidth(s); };
        RefreshPropertiesPanel(p);
        panel.showState(world.panel);
        editor.showState(world.panel);
    }
};

TEST_F(PanelWidgetsTest, AnUnchangedRefreshTouchesNoWidget) {
    refresh();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.geometry(), QRect(208, 160, PanelWidth, ItemPanelHeight));
    EXPECT_EQ(panel.ePropName->text(), "Rain");
    ChangeCounter counter;
    counter.watch(&panel);
    panel.ePropName->setCursorPosition(2);
    refresh();
    refresh();
    EXPECT_EQ(counter.changes, 0);
    EXPECT_EQ(panel.ePropName->cursorPosition(), 2);

    item->Value = 1;
    refresh();
    EXPECT_EQ(panel.ePropValue->text(), "1.0000");
    EXPECT_EQ(panel.iRunner[0]->x(), BarLeft + 1 + 50);
    EXPECT_EQ(counter.changes, 2); // the value's text and the knob's move
}

TEST_F(PanelWidgetsTest, LinkModeCoversTheLowerBars) {
    CLink* link = world.scheme.createLink(item, world.scheme.createItem("b", 500, 150));
    world.scheme.Selected = {nullptr, link};
    world.scheme.EditState = EditLinkSelected;
    refresh();
    EXPECT_EQ(panel.height(), LinkPanelHeight);
    EXPECT_TRUE(panel.panLink->isVisible());
    EXPECT_FALSE(panel.panItem->isVisible());
    EXPECT_EQ(panel.panLink->geometry().top(), 42);
}

} // namespace
} // namespace lumeris
