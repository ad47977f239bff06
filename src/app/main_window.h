// TfrmMain: the main window. It owns the canvas and its surface, the painter, the document
// workflow, the run timer, the actions and the context menu; the scheme itself lives in the
// World it is given. Its wiring is split by job: the action table (action_table.cpp), the
// context menu (paper_menu.cpp), the commands (main_commands.cpp) and the events here.
#pragma once

#include "app/canvas.h"
#include "edit/editor.h"
#include "engine/commands.h"
#include "platform/clipboard.h"
#include "platform/csv_spreadsheet.h"
#include "platform/program_end.h"
#include "platform/qt/qt_http_client.h"
#include "platform/qt/qt_picture_loader.h"
#include "platform/shell_launcher.h"
#include "program/open_address.h"
#include "program/tick.h"
#include "program/workflow.h"
#include "program/world.h"
#include "props/qt/prop_panel.h"
#include "props/qt/text_windows.h"
#include "view/glide.h"
#include "view/movement.h"
#include "view/qt/scene_painter.h"
#include "view/qt/surface.h"
#include "wording/language.h"

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <span>
#include <string>

class QMenu;
class QPrinter;
class QSettings;

namespace lumeris {

class TfrmAbout;
class TfrmLoops;
class TfrmChart;
class FindBar;
class HelpWindow;
class StatusLine;
struct MenuRow;

// The window's language: this run's, and where a choice for later runs goes.
struct LanguageChoice {
    Language current = Language::Russian;
    std::function<void(Language)> remember; // empty: the choice is not kept
};

// The services the window reaches the system through; tests pass scripted ones.
struct MainServices {
    UserDialogs& dialogs;
    ShellLauncher& shell;
    ProgramEnd& end;
    QPrinter* printer = nullptr;
    std::function<std::string()> logonName; // the OS user name
    std::function<std::string()> shortDate; // today in the user's short date format
    Clipboard* clipboard = nullptr;         // null: copy and paste reach no clipboard
    std::string programFolder{};   // where an item's address not found as given is looked for
    QSettings* settings = nullptr; // remembers the window, its bars and the recent files
    LanguageChoice language{};
};

// The windows created after the main window; start-up hands them over.
struct OtherWindows {
    TfrmProp2* frmProp2 = nullptr;
    TfrmProp* frmProp = nullptr;
    TfrmAbout* frmAbout = nullptr;
    TfrmText* frmText = nullptr;
    QDialog* frmMatrix = nullptr; // the network generator (TfrmMatrix)
};

// The main window is also the window that the canvas's gestures and the edit commands ask
// for repaints, the panel and the name editor (window_port.cpp).
class TfrmMain : public QMainWindow, public WindowPort {
    Q_OBJECT
  public:
    // Runs the creation step: the view reset, FileName from `fileName`, the start-up scheme
    // opened, the timer started. With `createMissing` (a name the user gave) a file that does
    // not exist starts an empty scheme under that name.
    TfrmMain(World& world, MainServices services, const std::string& fileName,
             bool createMissing = false);
    ~TfrmMain() override;

    // Takes the windows and connects the panel and the editor windows to the records.
    void setOtherWindows(const OtherWindows& windows);

    QAction* action(const std::string& name) const;
    QMenu* menu() const { return pmPaper; }
    Workflow& workflow() { return workflow_; }
    // Opening the Selected item's address (the panel's open button calls openAddress).
    AddressOpener& addresses() { return addresses_; }
    Surface& surface() { return surface_; }
    ScenePainter& painter() { return painter_; }
    Canvas* canvas() const { return DXDraw1; }
    Editor& editor() { return editor_; }
    bool pictureShown() const { return mPictureChecked_; }

    // The painter's guarded entry; the canvas shows a presented frame.
    void Repaint(bool ItemsOnly);
    void Timer1Timer();
    QTimer Timer1;

    // Commands of the action table and the menu.
    void aNewExecute();
    void aUndoExecute();
    void aRedoExecute();
    void aOpenExecute();
    void aSaveExecute();
    void aSaveAsExecute();
    void aPrintExecute();
    void aPrintWholeExecute();
    void aExportPictureExecute();
    void aExitExecute();
    void aExitDontSaveExecute();
    void aRunExecute();
    void aStepExecute();
    void aTeachExecute();
    void aResetExecute();
    void aResetPointExecute();
    void aCenterScreenExecute();
    void aAlignExecute();
    void aShowValuesExecute();
    void aShowVolumesExecute();
    void aMatrixExecute();
    void aAddFavoritesExecute();
    void aNewItemExecute();
    void aDeleteExecute();
    void aCloneExecute();
    void aSplitExecute();
    void aUniteExecute();
    void aCopyExecute();
    void aCutExecute();
    void aPasteExecute();
    void aImportExecute();
    void aExportExecute();
    void PasteLisp1Click();
    void AboutClick();
    void N1Click();
    void mLogicBooleanClick();
    void mLogicVolumesClick();
    void mLogicRealClick();
    void mPictureClick();
    void mShowNamesClick();
    void mShowLinksClick();
    void mLanguageRussianClick();
    void mLanguageEnglishClick();
    // Opens the window of feedback loops, causes and effects (made on first use).
    void aLoopsExecute();
    TfrmLoops* loopsWindow() const { return frmLoops_; }
    // The chart of the values over the steps, made on first use.
    void aValueChartExecute();
    TfrmChart* chartWindow() const { return frmChart_; }
    // The commands that came with the menu bar (more_actions.cpp).
    void aFindExecute();
    void aShowAllExecute();
    void aHelpExecute();
    void aImportLispExecute();
    void aAddFavoritesFolderExecute();
    // Opens a file of the recent list as Open does: the current scheme is saved first.
    void openRecent(const QString& fileName);
    StatusLine* statusLine() const { return statusLine_; }
    FindBar* findBar() const { return findBar_; }
    // Restores the window's place and size from the settings; false when none are kept.
    bool restoreGeometryFromSettings();
    // The check marks follow the state they show.
    void syncChecks();
    // Ends the process at once (Ctrl+Q, Esc): nothing is saved.
    void endNow(int exitCode);
    // Undo or redo, and what the window shows of the scheme after it.
    void replayEdit(void (*replay)(World&));

    // Events of the main window, callable as the toolkit would call them.
    void FormMouseWheel(int delta, bool ctrl);
    // A key on the main window: Esc asks and ends; any character goes to the canvas.
    void FormKeyDown(int key, const QString& text = {});
    void FormResize();

    // WindowPort.
    void repaintNow() override;
    void refreshPropertiesPanel() override;
    void hidePropertiesPanel() override;
    void openNameEditor(int clickX) override;
    void typeIntoNameEditor(char typed) override;
    void hideNameEditor() override;
    void popupMenu(int x, int y) override;
    void processMessages() override;
    void focusFollowsPointer() override;
    bool surfaceCanDraw() override;
    void scrollPicture(int dx, int dy) override;
    void openAddress(CPoint* item) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createActions();
    void createMenu();
    void createMoreActions();
    void createMenuBar();
    void createStatusLine();
    void createFindBar();
    void bindBars();
    void fillMenu(QMenu* root, std::span<const MenuRow> rows);
    void fillRecentMenu();
    void rememberFile(const std::string& fileName);
    QStringList recentFiles() const;
    void saveGeometryToSettings();
    void createCanvas();
    void runCreationStep(const std::string& fileName, bool createMissing);
    void RefreshPropertiesPanel();
    // Runs a handler of the panel or the editor windows on the records, then shows them.
    void runProps(const PropsHandler& handler);
    void showProps();
    void applyEditShortcuts(bool suspended);
    // Keeps the language for the next start and says so.
    void keepLanguage(Language language);
    StepHooks stepHooks();
    WorkflowHooks workflowHooks();
    TickHooks tickHooks();

    World& world_;
    MainServices services_;
    Surface surface_;
    ScenePainter painter_;
    MovementStep movement_;
    QtPictureLoader pictures_;
    Workflow workflow_;
    QtHttpClient IdHTTP1;
    AddressOpener addresses_;
    Editor editor_;
    CsvSpreadsheet DdeClientConv1; // the workbook of the current folder, as lumeris-cli uses
    OtherWindows windows_;
    TfrmChart* frmChart_ = nullptr;
    bool mPictureChecked_ = false;
    bool surfaceCreated_ = false;
    bool shortcutsSuspended_ = false;

    QWidget* Panel1 = nullptr;
    Canvas* DXDraw1 = nullptr;
    TfrmLoops* frmLoops_ = nullptr;
    QMenu* pmPaper = nullptr;
    std::map<std::string, QAction*> actions_;
    QMenu* menuBarMenus_ = nullptr; // owns the menu bar's menus
    StatusLine* statusLine_ = nullptr;
    FindBar* findBar_ = nullptr;
    HelpWindow* help_ = nullptr;
    ViewGlide glide_;
    QStringList recent_; // the recent files when there are no settings to keep them
};

} // namespace lumeris
