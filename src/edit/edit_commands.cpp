#include "edit/edit_commands.h"
#include "view/transform.h"
namespace lumeris {
void aNewItemExecute(Editor& e) {
    e.scheme.EditState = EditNameEditing;
    CPoint* item = e.scheme.createItem({}, ToWorldX(e.view, e.input.LastMouseX),
                                       ToWorldY(e.view, e.input.LastMouseY));
    item->Type = e.scheme.DefaultItemType;
    e.scheme.Selected = {item, nullptr};
    e.window.refreshPropertiesPanel();
    ++e.scheme.RedrawRequests;
    e.window.openNameEditor(0);
}
} // namespace lumeris
