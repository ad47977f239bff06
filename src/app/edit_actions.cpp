// The main window's edit commands: the core's commands with the system clipboard around them.
#include "app/main_window.h"
#include "edit/edit_commands.h"
#include "program/history.h"

namespace lumeris {

void TfrmMain::aNewItemExecute() {
    lumeris::aNewItemExecute(editor_);
}

void TfrmMain::aUndoExecute() {
    replayEdit(undoEdit);
}

void TfrmMain::aRedoExecute() {
    replayEdit(redoEdit);
}

// The background picture follows its name back and forth; the panel and the canvas show what
// the scheme holds now.
void TfrmMain::replayEdit(void (*replay)(World&)) {
    const std::string background = world_.doc.BackGroundImage;
    replay(world_);
    if (world_.doc.BackGroundImage != background) {
        mPictureChecked_ = false;
        if (world_.doc.BackGroundImage != "none")
            pictures_.loadBackground(world_.doc);
        syncChecks();
    }
    refreshPropertiesPanel();
    ++world_.scheme.RedrawRequests;
    Repaint(false);
}

void TfrmMain::aDeleteExecute() {
    lumeris::aDeleteExecute(editor_);
}

void TfrmMain::aCloneExecute() {
    lumeris::aCloneExecute(editor_);
}

void TfrmMain::aSplitExecute() {
    lumeris::aSplitExecute(editor_);
}

void TfrmMain::aUniteExecute() {
    lumeris::aUniteExecute(editor_);
}

void TfrmMain::aCopyExecute() {
    const std::optional<std::string> text = lumeris::aCopyExecute(editor_);
    if (text && services_.clipboard)
        services_.clipboard->setText(*text);
}

void TfrmMain::aCutExecute() {
    const std::optional<std::string> text = lumeris::aCutExecute(editor_);
    if (text && services_.clipboard)
        services_.clipboard->setText(*text);
}

// A fragment that stops on a data error takes back what it added; the user is told and the
// program goes on with the scheme as it was.
void TfrmMain::aPasteExecute() {
    const std::optional<std::string> text =
        services_.clipboard ? services_.clipboard->text() : std::nullopt;
    const ReadResult result = lumeris::aPasteExecute(editor_, text.value_or(std::string()));
    if (!result.ok)
        services_.dialogs.message(result.message, "", MessageIcon::None);
}

} // namespace lumeris
