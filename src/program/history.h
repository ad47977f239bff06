// Undo and redo of the user's edits, and where one edit ends. Running is no edit: the values
// the steps change stay, and undo neither stops nor starts the run.
#pragma once

#include "program/world.h"

namespace lumeris {

// An edit still going on: a button held on the canvas, on a panel bar or on the panel's
// handle.
bool editInProgress(const World& world);

// Called after every event the program handles (a press, a key, a command, a tick): what it
// changed becomes one undo step, unless an edit is still going on.
void endEditStep(World& world);

// Ctrl+Z and Ctrl+Y. They do nothing while an edit is going on. The selection and the name
// editor go: what they showed may be gone. Movement mode ends.
void undoEdit(World& world);
void redoEdit(World& world);

} // namespace lumeris
