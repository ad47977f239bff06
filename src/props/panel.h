// The properties panel's handlers and RefreshPropertiesPanel, working on the panel's record,
// the scheme and the view. The window calls them from its widgets' events and then shows the
// records again.
#pragma once

#include "engine/evaluation.h"
#include "model/document.h"
#include "model/scheme.h"
#include "platform/picture_loader.h"
#include "platform/user_dialogs.h"
#include "props/panel_state.h"
#include "view/view_state.h"

#include <optional>
#include <string>

namespace lumeris {

struct Interaction;

// The records the handlers work on; a bundle of references made by the window or a test.
struct Props {
    Scheme& scheme;
    const ViewState& view;
    const Interaction& input;
    Evaluation& eval;
    const Document& doc;
    PanelState& panel;
    PanelEnv env;
};

// Shows, fills and places the panel for Selected, or hides it. It only shows the model: a
// refresh writes nothing into it.
void RefreshPropertiesPanel(Props& p);

// A Boolean item's fixed value is -1 or 1 and its combination 0 or 1; the panel's handlers
// that set them round them so.
void normaliseBoolean(Scheme& scheme, CPoint* item);
// The text window shows the selected item's comment, or nothing: with no item selected it
// is hidden.
void followSelectionInMemo(Props& p);
// The item the memo was filled for is still the selected item, which so receives its text.
bool memoHasReceiver(const Props& p);

// "0.0000" with the locale's decimal point.
std::string formatPanelNumber(float value, char decimalPoint);
// The typed fixed value: the locale, then the first point read as a comma; 0 when neither
// reads; clamped to -1 .. 1.
float readTypedValue(const std::string& text, char decimalPoint);

// Bars and knobs; `bar` is 0, 1 or 2, x in the bar's (or the knob's) pixels.
void iRunnerBar1MouseDown(Props& p, int bar, int x);
void iRunnerBar1MouseMove(Props& p, int bar, int x);
void iRunnerBar1MouseUp(Props& p);
void iRunner1MouseDown(Props& p, int knob, int x);
void iRunner1MouseMove(Props& p, int knob, int x);
void iRunner1MouseUp(Props& p);

void iCbMouseDown(Props& p);
void iCbMouseUp(Props& p);
void ePropCustomChange(Props& p, const std::string& text);
void FormMouseWheel(Props& p, int delta);

void ePropNameChange(Props& p, const std::string& text);
void ePropNameEnter(Props& p); // Enter, or the default button "CR"
void ePropNameEscape(Props& p);
// The address field: every change becomes the selected item's url; the open button follows.
void ePropWwwChange(Props& p, const std::string& text);

// The five logic buttons pass 0, 1, 3, 2 and 4.
void SetLogicType(Props& p, std::uint8_t type);
// `down`: tbPhoto's state after the click flipped it.
void tbPhotoClick(Props& p, bool down, UserDialogs& dialogs, PictureLoader* pictures);
void tbTextClick(Props& p);
void SpeedButton1Click(Props& p, UserDialogs& dialogs);
void tbConvertLinkToItemClick(Props& p);

void iDragMouseDown(Props& p, int x, int y);
void iDragMouseMove(Props& p, int x, int y);
void iDragMouseUp(Props& p);

// Show and hide of the three windows, with the shortcut rules that go with them.
void showPanel(Props& p);
void hidePanel(Props& p);
void showNameEditor(Props& p);
void hideNameEditor(Props& p);
void showTextWindow(Props& p);
void hideTextWindow(Props& p);

} // namespace lumeris
