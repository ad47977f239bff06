// The properties panel, the name editor and the text window as plain records: what each
// control shows, the panel's own flags and offsets, and which of the three windows is shown.
// The widgets only show these records and forward their events to the handlers (panel.h).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace lumeris {

// Where the keyboard focus goes once the widgets show the records.
enum class FocusRequest { None, Name, EditorField, Memo };

// Who holds the five editing shortcuts (Del, Ins, Ctrl+X, Ctrl+C, Ctrl+V).
constexpr int ShortcutCount = 5;

// Designed geometry, in panel pixels.
constexpr int PanelWidth = 131;
constexpr int ItemPanelHeight = 153;
constexpr int LinkPanelHeight = 70;
constexpr int BarLeft = 4;
constexpr int BarWidth = 60;
constexpr int KnobWidth = 8;
constexpr int EditorHeight = 21;
constexpr int EditorDesignWidth = 273;

struct PanelState {
    // The panel window (frmProp).
    bool Visible = false;
    int Left = 0;
    int Top = 0;
    int Height = ItemPanelHeight;
    bool ItemMode = true; // panItem shown, else panLink
    bool StayOnTop = true;

    // The user's displacement of the panel from its default spot, kept across selections.
    int PanelOffsetX = 0;
    int PanelOffsetY = 0;
    std::string SavedName;           // the name when the panel or the name editor was filled
    const void* FilledFor = nullptr; // the object the panel was last filled for (never read)

    bool RunnerDragging = false;
    bool PanelDragging = false;
    int DragPressX = 0; // the press point on iDrag
    int DragPressY = 0;

    // What the controls show (Windows-1251 text).
    std::string Name;                                                           // ePropName
    std::string ValueText;                                                      // ePropValue
    std::string AndOrText;                                                      // ePropErr
    std::string CustomText;                                                     // ePropCustom
    std::string Www;                                                            // ePropWww
    std::array<int, 3> KnobLeft{BarLeft + 1, BarLeft + 1, BarLeft + 1};         // iRunner1..3
    enum class Check { Unticked, Ticked, Pressed } CheckLook = Check::Unticked; // iCb
    int LogicType = -1;     // the pressed logic button's type, -1 none
    bool PhotoDown = false; // tbPhoto
    bool OpenUrlEnabled = false;

    // The name editor (frmText).
    bool EditorVisible = false;
    int EditorLeft = 0;
    int EditorTop = 0;
    int EditorWidth = EditorDesignWidth;
    std::string EditorText;
    int EditorCaret = -1; // selection start; -1 leaves the caret at the start

    // The text window (frmProp2).
    bool TextVisible = false;
    std::string Memo;              // memoText, lines joined by CR LF
    const void* MemoFor = nullptr; // the item Memo was filled for

    bool ShortcutsSuspended = false;
    FocusRequest Focus = FocusRequest::None;
};

// What the handlers need to know of the window system at the moment of the call.
struct PanelEnv {
    int ClientWidth = 800; // the main window's client area
    int ClientHeight = 600;
    int WindowWidth = 800; // the main window's outer size
    int WindowHeight = 600;
    char DecimalPoint = '.';                          // the user's locale
    bool CustomFocused = false;                       // ePropCustom has the keyboard focus
    bool TextWindowActive = false;                    // the text window is the active window
    std::function<int(const std::string&)> TextWidth; // W(s) in the name editor's font
};

} // namespace lumeris
