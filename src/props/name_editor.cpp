#include "props/name_editor.h"

#include "view/transform.h"

#include <algorithm>

namespace lumeris {

int nameCaret(const std::string& text, int offset, const TextWidthFn& width) {
    int i = 0;
    int w = 0;
    while (i < int(text.size()) && w < offset) {
        w = width(text.substr(0, std::size_t(i)));
        ++i;
    }
    return i - 1;
}

int nameEditorWidth(const std::string& text, int left, int clientWidth, const TextWidthFn& width) {
    return std::min(clientWidth - left - 2, std::max(32, width(text) + 18));
}

void followItem(Props& p) {
    const CPoint* const item = p.scheme.Selected.item;
    if (!item)
        return;
    PanelState& panel = p.panel;
    panel.EditorLeft =
        std::min(p.env.ClientWidth - panel.EditorWidth - 2, ToScreenX(p.view, float(item->X)) + 7);
    panel.EditorTop =
        std::min(p.env.ClientHeight - EditorHeight - 2, ToScreenY(p.view, float(item->Y)) - 9);
}

void OpenNameEditor(Props& p, int clickX) {
    CPoint* const item = p.scheme.Selected.item;
    if (!item)
        return;
    PanelState& panel = p.panel;
    // The field still holds its previous text; the change below corrects the width.
    panel.EditorWidth =
        nameEditorWidth(panel.EditorText, panel.EditorLeft, p.env.ClientWidth, p.env.TextWidth);
    followItem(p);
    const std::string name = item->Name;
    if (panel.EditorText != name)
        Edit1Change(p, name);
    panel.SavedName = name;
    panel.EditorCaret =
        nameCaret(name, clickX - ToScreenX(p.view, float(item->X)) - 13, p.env.TextWidth);
    showNameEditor(p);
    panel.Focus = FocusRequest::EditorField;
}

void typeIntoNameEditor(Props& p, char typed) {
    Edit1Change(p, std::string(1, typed));
    p.panel.EditorCaret = 1;
}

void Edit1Change(Props& p, const std::string& text) {
    PanelState& panel = p.panel;
    panel.EditorText = text;
    if (CPoint* const item = p.scheme.Selected.item)
        p.scheme.setText(item->Name, text);
    panel.EditorWidth = nameEditorWidth(text, panel.EditorLeft, p.env.ClientWidth, p.env.TextWidth);
    ++p.scheme.RedrawRequests;
}

void Edit1Enter(Props& p) {
    hideNameEditor(p);
    ++p.scheme.RedrawRequests;
}

void Edit1Escape(Props& p) {
    if (p.panel.EditorText != p.panel.SavedName)
        Edit1Change(p, p.panel.SavedName);
    Edit1Enter(p);
}

void memoTextChange(Props& p, const std::string& text) {
    std::string crlf;
    for (const char c : text) {
        if (c == '\n')
            crlf += '\r';
        if (c != '\r')
            crlf += c;
    }
    p.panel.Memo = crlf;
    if (memoHasReceiver(p))
        p.scheme.setText(p.scheme.Selected.item->text, crlf);
    else
        hideTextWindow(p); // no item would keep what is typed
}

void memoTextEnter(Props& p) {
    hidePanel(p);
}

} // namespace lumeris
