// A world, a recording window and the editor bundle over them, for the edit command tests.
#pragma once

#include "edit/editor.h"
#include "files/scheme_writer.h"
#include "program/world.h"
#include "support/recording_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumeris::test {

struct EditorTest : ::testing::Test {
    World world;
    RecordingWindow window;
    Editor editor{world.scheme, world.view, world.input, world.doc, window};
    Scheme& scheme = world.scheme;

    // Every command leaves BusyDepth as it found it.
    void TearDown() override { EXPECT_EQ(scheme.BusyDepth, 0); }

    void hover(CPoint* item, int kind = HoverItem) {
        scheme.Hovered = {item, nullptr};
        scheme.HoverKind = kind;
    }
    void select(CPoint* item) {
        scheme.Selected = {item, nullptr};
        scheme.EditState = EditItemSelected;
    }
    void choose(const std::vector<CPoint*>& group) {
        for (CPoint* p : group)
            p->Mark = 2;
        scheme.Selected.clear();
        scheme.EditState = EditGroupChosen;
    }
    // The items' names, oldest first.
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        for (const CPoint* p = scheme.ItemTail; p; p = p->Prev)
            all.push_back(p->Name);
        return all;
    }
    // The links as "from>to value", oldest first.
    std::vector<std::string> links() const {
        std::vector<std::string> all;
        for (const CLink* l = scheme.LinkTail; l; l = l->Prev)
            all.push_back(l->From->Name + ">" + l->To->Name + " " + std::to_string(l->Value));
        return all;
    }
    std::string saved() { return saveBytes(scheme, world.view, world.doc); }
};

} // namespace lumeris::test
