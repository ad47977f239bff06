// The records the canvas's gestures and the edit commands work on, and the window they ask
// for repaints, the panel and the name editor. A bundle of references, made by the window
// (or a test) from what it owns.
#pragma once

#include "edit/interaction.h"
#include "engine/evaluation.h"
#include "model/document.h"
#include "model/scheme.h"
#include "platform/picture_loader.h"
#include "platform/window_port.h"
#include "view/view_state.h"

namespace lumeris {

struct Editor {
    Scheme& scheme;
    ViewState& view;
    Interaction& input;
    Document& doc;
    WindowPort& window;
    PictureLoader* pictures = nullptr; // pasted photos; null loads none
    const Evaluation* eval = nullptr;  // a pointer move inside a step only moves the focus
};

} // namespace lumeris
