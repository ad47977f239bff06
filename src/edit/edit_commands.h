// The edit commands of the main window that change the scheme without dragging, and typing on
// the canvas. Each works on the editor's records, asks the window for what it shows, and
// leaves BusyDepth as it found it.
#pragma once

#include "edit/editor.h"
#include "files/read_result.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumeris {

// aNewItem: an unnamed item under the pointer, selected, its name editor open.
void aNewItemExecute(Editor& editor);

// aDelete: the selected object, else the hovered one (not an invisible item), or the group.
void aDeleteExecute(Editor& editor);

// aClone: the selected item, else the hovered one.
void aCloneExecute(Editor& editor);

// aSplit: the selected item, else the hovered one, becomes an input item keeping its incoming
// links and an output clone keeping its outgoing ones, linked in between.
void aSplitExecute(Editor& editor);

// aUnite: the selected link's target is merged into its source.
void aUniteExecute(Editor& editor);

// aCopy: the group, else the hovered item, as scheme text for the clipboard; nothing when
// there is nothing to copy (the clipboard stays as it is).
std::optional<std::string> aCopyExecute(Editor& editor);

// aCut: copies as aCopy; a group is then destroyed. A single hovered item is only copied.
std::optional<std::string> aCutExecute(Editor& editor);

// aPaste of the clipboard's text (Windows-1251): a scheme fragment through the reader in paste
// mode, or one item per plain line. A fragment that stops with a data error leaves the scheme
// as it was and returns the error for the window to show.
ReadResult aPasteExecute(Editor& editor, std::string_view clipboardText);

// A character typed on the canvas (the window handles Escape itself): "+" and "-" zoom about
// the pointer, Enter does nothing, any other character starts a new item's name.
void typeOnCanvas(Editor& editor, char key);

// Destroys every item whose Mark is 2, the ordinary items before the projection items.
void destroyGroup(Scheme& scheme);

} // namespace lumeris
