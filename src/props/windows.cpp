// Show and hide of the panel, the name editor and the text window. Every show takes the
// editing shortcuts away; each hide gives them back unless another window still needs them
// away (the name editor's hide always gives them back). Each also ends the text edit in
// progress: text typed after it is another undo step.
#include "props/panel.h"

namespace lumeris {

void showPanel(Props& p) {
    if (p.panel.Visible)
        return;
    p.panel.Visible = true;
    p.scheme.journal().seal();
    p.panel.ShortcutsSuspended = true;
}

void hidePanel(Props& p) {
    if (!p.panel.Visible)
        return;
    p.panel.Visible = false;
    p.scheme.journal().seal();
    if (!p.panel.TextVisible)
        p.panel.ShortcutsSuspended = false;
    ++p.scheme.RedrawRequests;
}

void showNameEditor(Props& p) {
    if (p.panel.EditorVisible)
        return;
    p.panel.EditorVisible = true;
    p.scheme.journal().seal();
    p.panel.ShortcutsSuspended = true;
}

void hideNameEditor(Props& p) {
    if (!p.panel.EditorVisible)
        return;
    p.panel.EditorVisible = false;
    p.scheme.journal().seal();
    p.panel.ShortcutsSuspended = false;
    ++p.scheme.RedrawRequests;
}

void showTextWindow(Props& p) {
    if (p.panel.TextVisible)
        return;
    p.panel.TextVisible = true;
    p.scheme.journal().seal();
    p.panel.ShortcutsSuspended = true;
}

void hideTextWindow(Props& p) {
    if (!p.panel.TextVisible)
        return;
    p.panel.TextVisible = false;
    p.scheme.journal().seal();
    if (!p.panel.Visible)
        p.panel.ShortcutsSuspended = false;
    ++p.scheme.RedrawRequests;
}

} // namespace lumeris
