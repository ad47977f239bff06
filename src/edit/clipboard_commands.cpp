// Copy, cut and paste through the clipboard's text.
#include "edit/edit_commands.h"

#include "edit/plain_lines.h"
#include "files/scheme_reader.h"
#include "files/scheme_writer.h"
#include "text/lines.h"
#include "view/transform.h"

#include <utility>
#include <vector>

namespace lumeris {

namespace {

constexpr int PasteOffsetStep = 64;

// Sets every item's Mark to 0, remembering the marks that were set.
std::vector<std::pair<CPoint*, std::int32_t>> clearMarks(Scheme& scheme) {
    std::vector<std::pair<CPoint*, std::int32_t>> marked;
    for (CPoint* p = scheme.ItemList; p; p = p->Next)
        if (p->Mark != 0)
            marked.emplace_back(p, std::exchange(p->Mark, 0));
    return marked;
}

void restoreMarks(const std::vector<std::pair<CPoint*, std::int32_t>>& marked) {
    for (const auto& [item, mark] : marked)
        item->Mark = mark;
}

// The hovered item alone: the marks left by an earlier drag or paste are not part of it.
std::string hoveredItemText(Editor& editor, CPoint* hovered) {
    const auto marked = clearMarks(editor.scheme);
    hovered->Mark = 2;
    std::string text = chosenBytes(editor.scheme, editor.view, editor.doc);
    hovered->Mark = 0;
    restoreMarks(marked);
    return text;
}

// The pasted items become the chosen group; a fragment stopped by a data error leaves the
// marks as they were, with the rest of the scheme.
ReadResult pasteFragment(Editor& editor, const std::vector<std::string>& lines, std::int32_t x,
                         std::int32_t y) {
    const auto marked = clearMarks(editor.scheme);
    ReadResult result = readScheme(lines, ReadMode::paste(x, y), editor.scheme, editor.view,
                                   editor.doc, editor.pictures);
    if (!result)
        restoreMarks(marked);
    return result;
}

} // namespace

std::optional<std::string> aCopyExecute(Editor& editor) {
    Scheme& scheme = editor.scheme;
    editor.input.PasteOffset = PasteOffsetStep;
    if (scheme.EditState == EditGroupChosen)
        return chosenBytes(scheme, editor.view, editor.doc);
    if (scheme.HoverKind != HoverItem || !scheme.Hovered.item)
        return std::nullopt;
    return hoveredItemText(editor, scheme.Hovered.item);
}

std::optional<std::string> aCutExecute(Editor& editor) {
    std::optional<std::string> text = aCopyExecute(editor);
    if (text && editor.scheme.EditState == EditGroupChosen) {
        destroyGroup(editor.scheme);
        ++editor.scheme.RedrawRequests;
    }
    return text;
}

ReadResult aPasteExecute(Editor& editor, std::string_view clipboardText) {
    Journal& journal = editor.scheme.journal();
    journal.endStep();
    editor.input.PasteOffset += PasteOffsetStep;
    const std::vector<std::string> lines = splitLines(clipboardText);
    const std::int32_t x = ToWorldX(editor.view, editor.input.LastMouseX);
    const std::int32_t y = ToWorldY(editor.view, editor.input.LastMouseY);
    ReadResult result = ReadResult::success();
    if (lines.size() >= 2 && lines[0] == VersionLine)
        result = pasteFragment(editor, lines, x, y);
    else if (!lines.empty())
        pastePlainLines(editor.scheme, lines, x, y, editor.input.PasteOffset);
    if (!result) // the fragment was taken back: neither it nor its taking back is an edit
        journal.rollback(editor.scheme);
    ++editor.scheme.RedrawRequests;
    editor.window.repaintNow();
    return result;
}

} // namespace lumeris
