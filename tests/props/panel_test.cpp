#include "edit/interaction.h"
#include "props/name_editor.h"
#include "props/panel.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <functional>

namespace lumeris {
namespace {

// A canvas at Scale 1 with the world's origin in its corner; characters are 7 pixels wide.
struct PanelTest : ::testing::Test {
    Scheme scheme;
    ViewState view;
    Interaction input;
    Evaluation eval;
    Document doc;
    PanelState panel;
    Props p{scheme, view, input, eval, doc, panel, {}};

    PanelTest() {
        p.env.TextWidth = [](const std::string& s) { return 7 * int(s.size()); };
        p.env.ClientWidth = 800, p.env.ClientHeight = 600;
        p.env.WindowWidth = 808, p.env.WindowHeight = 630; // the frame and the title bar
    }
    CPoint* select(CPoint* item) {
        scheme.Selected = {item, nullptr};
        scheme.EditState = EditItemSelected;
        RefreshPropertiesPanel(p);
        return item;
    }
    CPoint* selectNew(std::uint8_t type = TypeReal) {
        CPoint* item = scheme.createItem("Item", 100, 100);
        scheme.setType(item, type);
        return select(item);
    }
};

TEST_F(PanelTest, BarsGiveValuesInFiftySteps) {
    CPoint* item = selectNew();
    for (auto [x, value] : {std::pair{5, -1.0f}, {0, -1.0f}, {30, 0.0f}, {55, 1.0f}, {90, 1.0f}}) {
        iRunnerBar1MouseDown(p, 0, x);
        EXPECT_EQ(item->Value, value) << x;
        EXPECT_EQ(eval.HeldValue, value) << x;
        iRunnerBar1MouseUp(p);
        EXPECT_EQ(eval.HeldValue, 0.0f);
    }
    // A knob press is a bar press at the knob's left plus x: the middle knob sits at 30.
    iRunnerBar1MouseDown(p, 0, 30);
    iRunnerBar1MouseUp(p);
    iRunner1MouseDown(p, 0, 4);
    EXPECT_EQ(panel.KnobLeft[0], BarLeft + 1 + 25);
    iRunner1MouseMove(p, 0, 4 + 10);
    EXPECT_FLOAT_EQ(item->Value, 0.4f);
    EXPECT_EQ(eval.HeldValue, item->Value);
    iRunner1MouseUp(p);
    EXPECT_FALSE(panel.RunnerDragging);
}

// The panel's handlers round a Boolean item's values; a refresh only shows them.
TEST_F(PanelTest, BooleanItemTakesWholeCombinationsAndSigns) {
    CPoint* item = selectNew(TypeBoolean);
    iRunnerBar1MouseDown(p, 1, 25);
    EXPECT_EQ(item->AndOr, 0.0f);
    iRunnerBar1MouseMove(p, 1, 40);
    EXPECT_EQ(item->AndOr, 1.0f);
    iRunnerBar1MouseUp(p);
    for (auto [typed, custom] : {std::pair{"0", 1.0f}, {"0.3", 1.0f}, {"-0.2", -1.0f}}) {
        ePropCustomChange(p, typed);
        EXPECT_EQ(item->Custom, custom) << typed;
    }
    iRunnerBar1MouseDown(p, 2, 20); // the third knob left of the middle
    iRunnerBar1MouseUp(p);
    EXPECT_EQ(item->Custom, -1.0f);
}

// Selecting an item, and every tick's refresh after, writes nothing: a Boolean item's fixed
// value and combination stay as the file had them, and there is nothing to undo.
TEST_F(PanelTest, RefreshWritesNothingIntoTheModel) {
    CPoint* item = scheme.createItem("Sprinkler", 100, 100);
    item->Type = TypeBoolean;
    item->AndOr = 0.3f;
    scheme.journal().setRecording(true);
    for (int tick = 0; tick < 3; ++tick)
        select(item);
    EXPECT_EQ(item->Custom, 0.0f);
    EXPECT_EQ(item->AndOr, 0.3f);
    EXPECT_EQ(panel.CustomText, "0.0000");
    scheme.journal().endStep();
    EXPECT_FALSE(scheme.journal().canUndo());
}

// The text window shows the selected item's comment, or is hidden: what is typed always
// reaches the item it shows.
TEST_F(PanelTest, TheTextWindowGoesWithTheSelection) {
    using Deselect = std::function<void()>;
    CPoint* other = scheme.createItem("other", 300, 300);
    other->text = "other's";
    for (const Deselect& deselect : std::vector<Deselect>{
             [&] { ePropNameEnter(p); }, [&] { ePropNameEscape(p); },
             [&] { scheme.Selected.clear(), scheme.EditState = EditIdle; }, // drag, band, Delete
             [&] { scheme.EditState = EditIdle; },                          // a fast pan
             [&] {
                 scheme.Selected = {nullptr, scheme.createLink(other, other)},
                 scheme.EditState = EditLinkSelected;
             }}) {
        CPoint* item = selectNew();
        tbTextClick(p);
        memoTextChange(p, "kept");
        EXPECT_EQ(item->text, "kept");
        deselect();
        memoTextChange(p, "lost"); // before the next tick: no item takes it, the window goes
        EXPECT_FALSE(panel.TextVisible);
        EXPECT_EQ(item->text, "kept");
        RefreshPropertiesPanel(p);
        EXPECT_FALSE(panel.TextVisible);
    }
    // Pressing another item while the window is open: it shows, and takes, that item's text.
    CPoint* item = selectNew();
    tbTextClick(p);
    scheme.MouseButtonState = 0; // the left button, held
    scheme.Selected = {other, nullptr};
    RefreshPropertiesPanel(p);
    EXPECT_EQ(panel.Memo, "other's");
    memoTextChange(p, "typed");
    EXPECT_EQ(other->text, "typed");
    EXPECT_EQ(item->text, "");
}

TEST_F(PanelTest, TypedFixedValues) {
    CPoint* item = selectNew();
    struct Case {
        const char* text;
        char point;
        float custom;
        int isCust;
    };
    for (const Case c : {Case{"0.5", ',', 0.5f, 1},
                         {"0,5", ',', 0.5f, 1},
                         {"0.5", '.', 0.5f, 1},
                         {"abc", ',', 0.0f, 0},
                         {"3", '.', 1.0f, 1},
                         {"-7", ',', -1.0f, 1},
                         {"0,5", '.', 0.0f, 0}}) {
        p.env.DecimalPoint = c.point;
        ePropCustomChange(p, c.text);
        EXPECT_EQ(item->Custom, c.custom) << c.text;
        EXPECT_EQ(item->IsCust, c.isCust) << c.text;
    }
    // A Boolean item keeps its IsCust for a value that is not zero.
    CPoint* boolean = selectNew(TypeBoolean);
    ePropCustomChange(p, "0.5");
    EXPECT_EQ(boolean->IsCust, 0);
}

TEST_F(PanelTest, SelectingAnItemLeavesItsFixedValueAlone) {
    CPoint* fixedAtZero = scheme.createItem("zero", 0, 0);
    scheme.setIsCust(fixedAtZero, 1);
    selectNew()->Custom = 0.5f;
    RefreshPropertiesPanel(p);
    select(fixedAtZero);
    EXPECT_EQ(panel.CustomText, "0.0000");
    EXPECT_EQ(fixedAtZero->IsCust, 1);
}

TEST_F(PanelTest, OneWheelNotchFixesTheValue) {
    CPoint* item = selectNew();
    FormMouseWheel(p, 120);
    EXPECT_FLOAT_EQ(item->Custom, 0.2f);
    EXPECT_EQ(item->IsCust, 1);
    EXPECT_EQ(item->Value, item->Custom);
    item->Custom = 1;
    FormMouseWheel(p, 120);
    EXPECT_EQ(item->Custom, 1.0f);
}

TEST_F(PanelTest, NameEscRestoresAndDeselects) {
    CPoint* item = selectNew();
    ePropNameChange(p, "Itemxy");
    EXPECT_EQ(item->Name, "Itemxy");
    RefreshPropertiesPanel(p); // the next tick
    ePropNameEscape(p);
    EXPECT_EQ(item->Name, "Item");
    EXPECT_FALSE(panel.Visible);
    EXPECT_EQ(scheme.EditState, EditIdle);
    EXPECT_TRUE(scheme.Selected.empty());
}

TEST_F(PanelTest, TheAddressFieldWritesTheUrlAndEnablesOpening) {
    CPoint* item = selectNew();
    RefreshPropertiesPanel(p);
    EXPECT_FALSE(p.panel.OpenUrlEnabled);
    ePropWwwChange(p, "second.txt");
    EXPECT_EQ(item->url, "second.txt");
    EXPECT_TRUE(p.panel.OpenUrlEnabled);
    RefreshPropertiesPanel(p);
    EXPECT_EQ(p.panel.Www, "second.txt");
    ePropWwwChange(p, "");
    EXPECT_FALSE(p.panel.OpenUrlEnabled);
}

TEST_F(PanelTest, LeavingProjectionDropsTheView) {
    CPoint* viewpoint = selectNew(TypeProjection);
    scheme.findOrAddViewEntry(viewpoint, scheme.createItem("x", 0, 0));
    SetLogicType(p, TypeFlag);
    EXPECT_EQ(viewpoint->ViewEntries, nullptr);
    EXPECT_EQ(viewpoint->Custom, 1.0f);
    EXPECT_EQ(viewpoint->IsCust, 1);
    EXPECT_TRUE(scheme.SchemeChanged);
}

TEST_F(PanelTest, LinkBecomesAnItemAtItsHandle) {
    CPoint* a = scheme.createItem("a", 0, 0);
    CPoint* b = scheme.createItem("b", 90, 30);
    CLink* link = scheme.createLink(a, b);
    scheme.setCoefficient(link, -0.25f);
    scheme.Selected = {nullptr, link};
    scheme.EditState = EditLinkSelected;
    scheme.LinkHandleX = 30, scheme.LinkHandleY = 10;
    tbConvertLinkToItemClick(p);
    CPoint* middle = scheme.ItemList;
    EXPECT_EQ(middle->Name, "");
    EXPECT_EQ(std::pair(middle->X, middle->Y), std::pair(30, 10));
    ASSERT_EQ(scheme.LinkCount, 2);
    for (CLink* l = scheme.LinkList; l; l = l->Next)
        EXPECT_EQ(l->Value, -0.25f);
    EXPECT_EQ(scheme.EditState, EditIdle);
    RefreshPropertiesPanel(p);
    EXPECT_FALSE(panel.Visible);
}

TEST_F(PanelTest, DraggedPanelKeepsItsOffsetWithinTheWindow) {
    selectNew();
    EXPECT_EQ(std::pair(panel.Left, panel.Top), std::pair(108, 110));
    iDragMouseDown(p, 3, 3);
    iDragMouseMove(p, 53, -17);
    iDragMouseUp(p);
    EXPECT_EQ(std::pair(panel.Left, panel.Top), std::pair(158, 90));
    struct Case {
        int x, y, left, top;
    };
    for (const Case c : {Case{-200, -200, 2, 2}, {790, 590, 800 - 131 - 2, 600 - 153 - 2}}) {
        select(scheme.createItem("", c.x, c.y));
        EXPECT_EQ(std::pair(panel.Left, panel.Top), std::pair(c.left, c.top)) << c.x;
    }
}

TEST_F(PanelTest, PhotoBesideTheSchemeIsStoredByName) {
    doc.FileName = "/data/maps/scheme.txt";
    CPoint* item = selectNew();
    test::ScriptedDialogs dialogs;
    for (auto [chosen, stored] :
         {std::pair{"/data/maps/cat.bmp", "cat.bmp"}, {"/data/cat.bmp", "/data/cat.bmp"}}) {
        dialogs.files.push_back(std::string(chosen));
        tbPhotoClick(p, true, dialogs, nullptr);
        EXPECT_EQ(item->photo, stored);
    }
    tbPhotoClick(p, false, dialogs, nullptr); // releasing the button removes the picture
    EXPECT_EQ(item->photo, "");

    // A file that is no picture: the name stays, the picture is empty, no message.
    struct NoPictures : PictureLoader {
        std::unique_ptr<Picture> loadPhoto(const std::string&, const std::string&) override {
            return nullptr;
        }
        void loadBackground(const Document&) override {}
    } bad;
    dialogs.files.push_back(std::string("/data/maps/notes.txt"));
    tbPhotoClick(p, true, dialogs, &bad);
    EXPECT_EQ(item->photo, "notes.txt");
    EXPECT_NE(item->PhotoImage, nullptr);
    EXPECT_TRUE(panel.PhotoDown);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PanelTest, NameEditorCaretAndWidth) {
    const TextWidthFn w = p.env.TextWidth;
    EXPECT_EQ(nameCaret("Abcdefg", 27, w), 4);
    EXPECT_EQ(nameCaret("Abc", 500, w), 2);
    EXPECT_EQ(nameCaret("Abc", 0, w), -1);
    EXPECT_EQ(nameCaret("", 30, w), -1);
    EXPECT_EQ(nameEditorWidth("", 10, 800, w), 32);
    EXPECT_EQ(nameEditorWidth("Abcdefgh", 10, 800, w), 74);
    EXPECT_EQ(nameEditorWidth("Abcdefgh", 760, 800, w), 38);

    CPoint* item = selectNew();
    item->Name = "Items";
    scheme.EditState = EditNameEditing;
    OpenNameEditor(p, 100 + 40);
    EXPECT_EQ(panel.EditorCaret, 4);
    EXPECT_EQ(std::pair(panel.EditorLeft, panel.EditorTop), std::pair(107, 91));
    Edit1Change(p, "Itemsab");
    EXPECT_EQ(item->Name, "Itemsab");
    Edit1Escape(p);
    EXPECT_EQ(item->Name, "Items");
    EXPECT_FALSE(panel.EditorVisible);

    item->X = 790, item->Y = 595;
    OpenNameEditor(p, 0);
    EXPECT_EQ(panel.EditorCaret, -1);
    EXPECT_EQ(panel.EditorLeft, 800 - panel.EditorWidth - 2);
    EXPECT_EQ(panel.EditorTop, 600 - EditorHeight - 2);
}

TEST_F(PanelTest, ShortcutsComeBackWhenTheLastWindowCloses) {
    using Step = void (*)(Props&);
    struct Case {
        std::vector<Step> steps;
        bool suspended;
    };
    const Step panelUp = showPanel, panelDown = hidePanel, textUp = showTextWindow,
               textDown = hideTextWindow, editorUp = showNameEditor, editorDown = hideNameEditor;
    for (const Case& c : {Case{{panelUp}, true},
                          {{panelUp, panelDown}, false},
                          {{panelUp, textUp, panelDown}, true},
                          {{panelUp, textUp, panelDown, textDown}, false},
                          {{textUp, panelUp, textDown}, true},
                          {{textUp, panelUp, textDown, panelDown}, false},
                          {{panelUp, textUp, editorUp, editorDown}, false},
                          {{editorUp, panelUp, panelDown}, false},
                          {{panelUp, editorUp, editorDown, textUp}, true}}) {
        PanelState fresh;
        Props q{scheme, view, input, eval, doc, fresh, p.env};
        for (Step s : c.steps)
            s(q);
        EXPECT_EQ(fresh.ShortcutsSuspended, c.suspended) << c.steps.size();
    }
}

} // namespace
} // namespace lumeris
