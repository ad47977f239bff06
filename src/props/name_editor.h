// The name editor over an item on the canvas: its width and caret rules as functions of text
// widths, and its handlers.
#pragma once

#include "props/panel.h"

#include <functional>
#include <string>

namespace lumeris {

using TextWidthFn = std::function<int(const std::string&)>;

// The caret after the first k characters, k the smallest count whose width reaches offset,
// but never beyond length - 1; -1 when offset is 0 or less or the text is empty.
int nameCaret(const std::string& text, int offset, const TextWidthFn& width);
// min(client width - left - 2, max(32, W(text) + 18)).
int nameEditorWidth(const std::string& text, int left, int clientWidth, const TextWidthFn& width);

// OpenNameEditor over the Selected item; clickX is the canvas x of the click, 0 for a new item.
void OpenNameEditor(Props& p, int clickX);
// Typing on the canvas: the field holds the typed character, the caret after it.
void typeIntoNameEditor(Props& p, char typed);
void Edit1Change(Props& p, const std::string& text);
void Edit1Enter(Props& p); // Enter, or Button1 "CR"
void Edit1Escape(Props& p);
// Keeps a visible editor on the selected item.
void followItem(Props& p);

// The text window's memo: `text` with CR LF line breaks (the widget gives LF).
void memoTextChange(Props& p, const std::string& text);
void memoTextEnter(Props& p);

} // namespace lumeris
