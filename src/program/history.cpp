#include "program/history.h"

#include "props/panel.h"

namespace lumeris {

namespace {

void replayEdit(World& world, void (Journal::*replay)(Scheme&)) {
    if (editInProgress(world))
        return;
    Scheme& scheme = world.scheme;
    scheme.completeViewSwitch();
    // Movement mode would scatter the places undo gives back at once.
    world.eval.MovementOn = false;
    (scheme.journal().*replay)(scheme);
    scheme.Selected.clear();
    scheme.EditState = EditIdle;
    scheme.Hovered.clear();
    scheme.HoverKind = HoverNothing;
    world.input.PressedObject = nullptr;
    world.input.LinkTarget = nullptr;
    Props props{scheme, world.view, world.input, world.eval, world.doc, world.panel, {}};
    hideNameEditor(props);
}

} // namespace

bool editInProgress(const World& world) {
    return world.scheme.MouseButtonState != MouseButtonNone || world.panel.RunnerDragging ||
           world.panel.PanelDragging;
}

void endEditStep(World& world) {
    if (!editInProgress(world))
        world.scheme.journal().endStep();
}

void undoEdit(World& world) {
    replayEdit(world, &Journal::undo);
}

void redoEdit(World& world) {
    replayEdit(world, &Journal::redo);
}

} // namespace lumeris
