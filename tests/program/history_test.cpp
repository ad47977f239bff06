// Undo and redo over random edits of random schemes: after each undo the saved text is the
// text before the edit, byte for byte, and redo brings back the text after it. Every edit
// that changes the text must leave an undo step.
#include "edit/canvas_gestures.h"
#include "edit/edit_commands.h"
#include "edit/navigation.h"
#include "engine/commands.h"
#include "files/scheme_writer.h"
#include "import/network.h"
#include "program/history.h"
#include "program/lisp_command.h"
#include "props/name_editor.h"
#include "props/panel.h"
#include "support/recording_window.h"
#include "view/movement.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace lumeris {
namespace {

struct HistoryTest : ::testing::Test {
    World world;
    Scheme& scheme = world.scheme;
    test::RecordingWindow window;
    Editor editor{scheme, world.view, world.input, world.doc, window, nullptr, &world.eval};
    std::mt19937 random{7};
    std::string clip; // the last cut

    HistoryTest() {
        world.view.CanvasWidth = 800;
        world.view.CanvasHeight = 600;
        world.view.NameSampleWidth = 70;
        world.view.Scale = 1;
        scheme.journal().setRecording(true);
    }

    Props props() {
        PanelEnv env;
        env.TextWidth = [](const std::string& s) { return 7 * int(s.size()); };
        return {scheme, world.view, world.input, world.eval, world.doc, world.panel, env};
    }
    // The view is no edit: the text is taken with a fixed one.
    std::string saved() { return saveBytes(scheme, ViewState{}, world.doc); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    template <class T> T* pick(T* head) {
        std::vector<T*> all;
        for (T* o = head; o; o = o->Next)
            all.push_back(o);
        return all.empty() ? nullptr : all[static_cast<std::size_t>(below(int(all.size())))];
    }
    CPoint* anyItem() { return pick(scheme.ItemList); }
    CLink* anyLink() { return pick(scheme.LinkList); }
    void select(CPoint* item) {
        scheme.Selected = {item, nullptr};
        scheme.EditState = item ? EditItemSelected : EditIdle;
    }
    void hover(CPoint* item) {
        scheme.Hovered = {item, nullptr};
        scheme.HoverKind = item ? HoverItem : HoverNothing;
    }

    // A scheme with a bit of everything: types, fixed values, names, addresses, comments, a
    // projection item with its view, links in both directions.
    void buildScheme() {
        for (int i = 0; i < 12; ++i) {
            CPoint* p = scheme.createItem("n" + std::to_string(i), below(700), below(500));
            p->Type = std::uint8_t(below(4));
            p->Custom = float(below(5) - 2) / 2;
            p->IsCust = below(2);
            p->url = below(3) ? "" : "www.a" + std::to_string(i) + ".ru";
            p->text = below(3) ? "" : "line\r\nnext";
        }
        for (int i = 0; i < 18; ++i)
            scheme.createLink(anyItem(), anyItem())->Value = float(below(5) - 2) / 2;
        CPoint* projection = scheme.createItem("view", 50, 50);
        projection->Type = TypeProjection;
        for (int i = 0; i < 4; ++i)
            scheme.findOrAddViewEntry(projection, anyItem())->DX = below(40);
        scheme.journal().clear();
    }

    PointerEvent at(CPoint* item, int button = ButtonLeft) {
        return {button, false, false, false, item->X, item->Y};
    }

    // One user action of each kind; the test draws them at random.
    std::vector<std::function<void()>> edits() {
        return {
            [&] { // a drag
                CPoint* p = anyItem();
                PointerEvent e = at(p);
                DXDraw1MouseMove(editor, e);
                DXDraw1MouseDown(editor, e);
                e.x += below(90) - 45, e.y += below(90) - 45;
                DXDraw1MouseMove(editor, e);
                DXDraw1MouseUp(editor, e);
            },
            [&] { // a right drag to empty canvas: a new item and a link
                PointerEvent e = at(anyItem(), ButtonRight);
                DXDraw1MouseMove(editor, e);
                DXDraw1MouseDown(editor, e);
                e.x = 780, e.y = 20 + below(560);
                DXDraw1MouseMove(editor, e);
                DXDraw1MouseUp(editor, e);
            },
            [&] { // Ctrl+press toggles visibility
                PointerEvent e = at(anyItem());
                e.ctrl = true;
                DXDraw1MouseMove(editor, e);
                DXDraw1MouseDown(editor, e);
                DXDraw1MouseUp(editor, e);
            },
            [&] { aNewItemExecute(editor); },
            [&] { hover(anyItem()), aDeleteExecute(editor); },
            [&] { hover(anyItem()), aCloneExecute(editor); },
            [&] { select(anyItem()), aSplitExecute(editor); },
            [&] {
                if (CLink* l = anyLink()) {
                    scheme.Selected = {nullptr, l};
                    scheme.EditState = EditLinkSelected;
                    aUniteExecute(editor);
                }
            },
            [&] { // a chosen group cut, kept for a paste
                for (CPoint* p = scheme.ItemList; p; p = p->Next)
                    p->Mark = below(3) == 0 ? 2 : 0;
                scheme.Selected.clear();
                scheme.EditState = EditGroupChosen;
                if (const auto text = aCutExecute(editor))
                    clip = *text;
            },
            [&] {
                if (!clip.empty())
                    aPasteExecute(editor, clip);
            },
            [&] { aPasteExecute(editor, "one\ntwo\nwww.three.ru\n"); },
            [&] { select(nullptr), typeOnCanvas(editor, 'q'); },
            [&] { // a knob drag on one of the three bars
                select(anyItem());
                Props p = props();
                const int bar = below(3);
                iRunner1MouseDown(p, bar, 20);
                iRunner1MouseMove(p, bar, 20 + below(40));
                iRunner1MouseUp(p);
            },
            [&] {
                select(anyItem());
                Props p = props();
                ePropCustomChange(p, "0.25");
            },
            [&] {
                select(anyItem());
                Props p = props();
                FormMouseWheel(p, 120);
            },
            [&] {
                select(anyItem());
                Props p = props();
                SetLogicType(p, std::uint8_t(below(5)));
            },
            [&] {
                select(anyItem());
                Props p = props();
                iCbMouseDown(p), iCbMouseUp(p);
            },
            [&] {
                select(anyItem());
                Props p = props();
                ePropNameChange(p, "typed");
                ePropNameChange(p, "typed more");
            },
            [&] {
                select(anyItem());
                Props p = props();
                ePropWwwChange(p, "www.b.ru");
            },
            [&] {
                select(anyItem());
                Props p = props();
                tbTextClick(p); // the memo shows the item's text
                memoTextChange(p, "a\nb");
            },
            [&] {
                select(anyItem());
                Props p = props();
                Edit1Change(p, "edited");
            },
            [&] {
                if (CLink* l = anyLink()) {
                    scheme.Selected = {nullptr, l};
                    scheme.EditState = EditLinkSelected;
                    Props p = props();
                    tbConvertLinkToItemClick(p);
                }
            },
            [&] {
                hover(anyItem());
                FormMouseWheel(scheme, world.view, world.input, 120, true);
            },
            [&] {
                if (CLink* l = anyLink()) {
                    scheme.Hovered = {nullptr, l};
                    scheme.HoverKind = HoverLink;
                    FormMouseWheel(scheme, world.view, world.input, -120, true);
                }
            },
            [&] { hover(anyItem()), zeroPointed(scheme); },
            [&] { scheme.reverseLinks(); },
            [&] { PasteLisp1Click(world, "(a (b c) #(d))"); },
            [&] {
                generateNetwork(scheme, {2, 3, 64, 64}, below(100), below(100), &random);
            },
            [&] { scheme.setText(world.doc.BackGroundImage, below(2) ? "none" : "back.bmp"); },
        };
    }
};

TEST_F(HistoryTest, EveryEditUndoesAndRedoesToTheSameText) {
    const auto kinds = edits();
    std::set<int> changedSomething;
    for (int round = 0; round < 30; ++round) {
        scheme.empty();
        buildScheme();
        std::vector<std::string> texts{saved()};
        std::vector<int> made;
        for (int i = 0; i < 25; ++i) {
            const int kind = below(int(kinds.size()));
            scheme.journal().seal();
            kinds[std::size_t(kind)]();
            endEditStep(world);
            const std::string text = saved();
            if (scheme.journal().steps() == texts.size()) {
                texts.push_back(text);
                made.push_back(kind);
                changedSomething.insert(kind);
            } else {
                ASSERT_EQ(text, texts.back()) << "edit " << kind << " left no undo step";
            }
        }
        for (std::size_t i = texts.size() - 1; i > 0; --i) {
            undoEdit(world);
            ASSERT_EQ(saved(), texts[i - 1])
                << "round " << round << ", undo of edit " << made[i - 1];
        }
        EXPECT_FALSE(scheme.journal().canUndo());
        for (std::size_t i = 1; i < texts.size(); ++i) {
            redoEdit(world);
            ASSERT_EQ(saved(), texts[i]) << "round " << round << ", redo of edit " << made[i - 1];
        }
        EXPECT_FALSE(scheme.journal().canRedo());
    }
    // Every kind of edit was tried and made a step at least once.
    EXPECT_EQ(changedSomething.size(), kinds.size());
}

// Typing joins one step; a seal (the editor opened anew) starts another. A new edit after an
// undo forgets the redo.
TEST_F(HistoryTest, TypingIsOneStepAndANewEditForgetsTheRedo) {
    buildScheme();
    const std::string before = saved();
    select(scheme.ItemList);
    Props p = props();
    for (const char* typed : {"a", "ab", "abc"}) {
        Edit1Change(p, typed);
        endEditStep(world);
    }
    EXPECT_EQ(scheme.journal().steps(), 1u);
    scheme.journal().seal();
    Edit1Change(p, "other");
    endEditStep(world);
    EXPECT_EQ(scheme.journal().steps(), 2u);
    undoEdit(world);
    undoEdit(world);
    EXPECT_EQ(saved(), before);
    aNewItemExecute(editor);
    endEditStep(world);
    EXPECT_FALSE(scheme.journal().canRedo());
}

// A drag is one step from press to release, whatever the steps between.
TEST_F(HistoryTest, AGestureIsOneStepAndNothingEndsItWhileTheButtonIsHeld) {
    buildScheme();
    const std::string before = saved();
    CPoint* p = scheme.ItemList;
    PointerEvent e = {ButtonLeft, false, false, false, p->X, p->Y};
    DXDraw1MouseMove(editor, e);
    DXDraw1MouseDown(editor, e);
    for (int i = 0; i < 5; ++i) {
        e.x += 7;
        DXDraw1MouseMove(editor, e);
        endEditStep(world);
        undoEdit(world); // ignored while the button is held
    }
    DXDraw1MouseUp(editor, e);
    endEditStep(world);
    EXPECT_EQ(scheme.journal().steps(), 1u);
    undoEdit(world);
    EXPECT_EQ(saved(), before);
}

// Teaching's coefficients undo; the values the step moved stay.
TEST_F(HistoryTest, TeachUndoesCoefficientsButNotValues) {
    buildScheme();
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        p->Value = 0.5f;
    std::vector<float> before;
    for (CLink* l = scheme.LinkList; l; l = l->Next)
        before.push_back(l->Value);
    teachCommand(scheme, world.eval, {});
    endEditStep(world);
    undoEdit(world);
    std::vector<float> after;
    for (CLink* l = scheme.LinkList; l; l = l->Next)
        after.push_back(l->Value);
    EXPECT_EQ(after, before);
}

// A run of movement mode is one step that gives every place back, however it ends: switched
// off, cut by the next edit (its own step), or undone while the mode still runs (which ends
// the mode, lest it scatter the places again).
TEST_F(HistoryTest, AMovementRunIsOneStepThatGivesEveryPlaceBack) {
    enum class End { SwitchedOff, AnEdit, Undo };
    for (const End end : {End::SwitchedOff, End::AnEdit, End::Undo}) {
        scheme.empty();
        buildScheme();
        const std::string before = saved();
        MovementStep movement;
        toggleMovement(scheme, world.eval);
        for (int frame = 0; frame < 5; ++frame) {
            movement.run(scheme, 1, 800);
            endEditStep(world); // the tick
        }
        ASSERT_NE(saved(), before);
        if (end == End::SwitchedOff)
            toggleMovement(scheme, world.eval);
        if (end == End::AnEdit)
            scheme.createItem("new", 5, 5);
        endEditStep(world);
        EXPECT_EQ(scheme.journal().steps(), end == End::AnEdit ? 2u : end == End::Undo ? 0u : 1u);
        while (scheme.journal().canUndo())
            undoEdit(world);
        EXPECT_EQ(saved(), before) << int(end);
        EXPECT_FALSE(world.eval.MovementOn);
    }
}

// The history keeps at most MaxSteps steps, the newest.
TEST_F(HistoryTest, TheOldestStepsGoPastTheCap) {
    for (std::size_t i = 0; i < Journal::MaxSteps + 5; ++i) {
        scheme.createItem("x", 0, 0);
        scheme.journal().endStep();
    }
    EXPECT_EQ(scheme.journal().steps(), Journal::MaxSteps);
    while (scheme.journal().canUndo())
        scheme.journal().undo(scheme);
    EXPECT_EQ(scheme.ItemCount, 5);
}

} // namespace
} // namespace lumeris
