#include "app/main_window.h"

#include "app/about_box.h"
#include "app/find_bar.h"
#include "app/window_shortcuts.h"
#include "edit/edit_commands.h"
#include "edit/navigation.h"
#include "text/qt/cp1251.h"
#include "wording/qt/shown_text.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace lumeris {

TfrmMain::TfrmMain(World& world, MainServices services, const std::string& fileName,
                   bool createMissing)
    : world_(world), services_(std::move(services)), painter_(world, surface_),
      pictures_(painter_.Background,
                [this] {
                    ++world_.scheme.RedrawRequests;
                    mPictureChecked_ = true;
                }),
      workflow_(world, services_.dialogs, workflowHooks(), &pictures_),
      addresses_(world, workflow_,
                 {services_.dialogs, services_.shell, IdHTTP1, services_.programFolder,
                  [] { QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents); }}),
      editor_{world.scheme, world.view, world.input, world.doc, *this, &pictures_, &world.eval} {
    setObjectName("frmMain");
    setWindowTitle("Lumeris");
    createCanvas();
    createActions();
    createMoreActions();
    createMenu();
    new WindowShortcutsOverFields(this);
    createMenuBar();
    createStatusLine();
    createFindBar();
    bindBars();
    painter_.Printer = services_.printer;
    painter_.MovementStepHook = [this] {
        movement_.run(world_.scheme, world_.view.Scale, DXDraw1->width());
    };
    painter_.ProcessEvents = [] { QCoreApplication::processEvents(); };
    world_.scheme.journal().setRecording(true);
    runCreationStep(fileName, createMissing);
}

TfrmMain::~TfrmMain() = default;

// Panel1 fills the client area with a one-pixel border; DXDraw1 fills the panel.
void TfrmMain::createCanvas() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setAutoFillBackground(true);
    Panel1->setPalette(QPalette(Qt::white));
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(1, 1, 1, 1);
    DXDraw1 = new Canvas(world_, editor_, surface_, Panel1);
    layout->addWidget(DXDraw1);
    setCentralWidget(Panel1);
    DXDraw1->onResize = [this] { FormResize(); };
    surfaceCreated_ = true;
}

void TfrmMain::runCreationStep(const std::string& fileName, bool createMissing) {
    ViewState& view = world_.view;
    view.ScreenX = 0;
    view.ScreenY = 0;
    view.ZoomLevel = 0;
    world_.doc.BackGroundImage = "none";
    world_.input.PopupShown = false;
    world_.doc.FileName = fileName;
    if (createMissing)
        workflow_.OpenOrStart();
    else
        workflow_.Open();

    Scheme& scheme = world_.scheme;
    scheme.MouseButtonState = MouseButtonNone;
    world_.input.PressedObject = nullptr;
    world_.input.LinkDragging = false;
    scheme.Selected.clear();
    scheme.Hovered.clear();
    scheme.HoverKind = HoverNothing;
    scheme.EditState = EditIdle;
    world_.eval.BlinkPhase = true;
    RefreshPropertiesPanel();

    Timer1.setObjectName("Timer1");
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    Timer1.start();
    if (view.ZoomLevel == 0) {
        view.ZoomLevel = 7;
        view.Scale = 1.0f / 64;
    }
    ++scheme.RedrawRequests;
    syncChecks();
}

WorkflowHooks TfrmMain::workflowHooks() {
    WorkflowHooks hooks;
    hooks.setTitle = [this](const UserText& title) { setWindowTitle(shown(title)); };
    hooks.setCurrentFolder = [](const std::string& folder) {
        QDir::setCurrent(QString::fromStdString(folder));
    };
    hooks.pointerNudge = [this] {
        DXDraw1->DXDraw1MouseMove(world_.input.LastMouseX + 1, world_.input.LastMouseY);
    };
    hooks.repaintNow = [this] { Repaint(false); };
    hooks.logonName = services_.logonName;
    hooks.shortDate = services_.shortDate;
    hooks.windowWidth = [this] { return frameGeometry().width(); };
    hooks.windowHeight = [this] { return frameGeometry().height(); };
    hooks.fileShown = [this](const std::string& file) { rememberFile(file); };
    return hooks;
}

TickHooks TfrmMain::tickHooks() {
    TickHooks hooks;
    hooks.step = stepHooks();
    hooks.refreshPropertiesPanel = [this] { RefreshPropertiesPanel(); };
    hooks.easeZoom = [this] {
        if (glideStep(glide_, world_.view, world_.scheme.LastId > 5000))
            ++world_.scheme.RedrawRequests;
        else
            EaseZoom(world_.scheme, world_.view, world_.input);
    };
    hooks.textWindowVisible = [this] { return world_.panel.TextVisible; };
    hooks.panelVisible = [this] { return world_.panel.Visible; };
    hooks.repaint = [this] { Repaint(false); };
    return hooks;
}

// The step lets pending window messages through, as every long operation here does.
StepHooks TfrmMain::stepHooks() {
    StepHooks hooks;
    hooks.spreadsheet = &DdeClientConv1;
    hooks.repaintItems = [this] { Repaint(true); };
    hooks.processMessages = [] { QCoreApplication::processEvents(); };
    hooks.panelVisible = [this] { return world_.panel.Visible; };
    hooks.stepped = [this] { world_.trend.record(world_.scheme); };
    return hooks;
}

void TfrmMain::Timer1Timer() {
    timerTick(world_.scheme, world_.eval, world_.input, tickHooks());
    syncChecks();
}

void TfrmMain::Repaint(bool ItemsOnly) {
    if (findBar_)
        findBar_->followScheme();
    const int presented = surface_.Presented;
    painter_.TextWindowVisible = world_.panel.TextVisible;
    painter_.PanelVisible = world_.panel.Visible;
    painter_.Repaint(ItemsOnly);
    if (surface_.Presented != presented)
        DXDraw1->update();
}

void TfrmMain::RefreshPropertiesPanel() {
    runProps(lumeris::RefreshPropertiesPanel);
}

void TfrmMain::FormResize() {
    {
        BusyGuard busy(world_.scheme);
        world_.view.CanvasHeight = DXDraw1->height();
        world_.view.CanvasWidth = DXDraw1->width();
    }
    if (!surfaceCreated_)
        return;
    runProps([](Props& p) {
        hidePanel(p);
        lumeris::hideNameEditor(p);
    });
    ++world_.scheme.RedrawRequests;
}

void TfrmMain::FormMouseWheel(int delta, bool ctrl) {
    lumeris::FormMouseWheel(world_.scheme, world_.view, world_.input, delta, ctrl);
    RefreshPropertiesPanel();
}

// Esc asks whether to save and ends, unless the user cancels or the save fails; a typed character
// goes to the canvas ("+" and "-" zoom, anything else starts a new item). Keys that type nothing,
// and control characters but Enter, are not the canvas's.
void TfrmMain::FormKeyDown(int key, const QString& text) {
    if (key == Qt::Key_Escape && !findBar_->isHidden()) {
        findBar_->close();
        return;
    }
    if (key == Qt::Key_Escape) {
        const Answer answer = services_.dialogs.askYesNoCancel(userText("Main", "Сохранить?"),
                                                               userText("Main", "Lumeris exit"));
        if (answer == Answer::No || (answer == Answer::Yes && workflow_.Save()))
            endNow(0);
        return;
    }
    std::string typed = toCp1251(text);
    if (typed.empty() && (key == Qt::Key_Plus || key == Qt::Key_Minus))
        typed = key == Qt::Key_Plus ? "+" : "-";
    if (typed.size() != 1)
        return;
    const unsigned char c = typed[0];
    if (c >= 32 || c == '\r' || c == '\n')
        typeOnCanvas(editor_, typed[0]);
}

void TfrmMain::endNow(int exitCode) {
    addresses_.cancel(); // no half-downloaded scheme is left behind
    services_.end.end(exitCode);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!workflow_.closeQuery()) {
        event->ignore();
        return;
    }
    event->accept();
    saveGeometryToSettings();
    addresses_.cancel(); // a fetch that never ends must not keep the program open
    Timer1.stop();
    QCoreApplication::quit();
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    const bool chord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    FormKeyDown(event->key(), chord ? QString() : event->text());
}

void TfrmMain::wheelEvent(QWheelEvent* event) {
    FormMouseWheel(event->angleDelta().y(), event->modifiers() & Qt::ControlModifier);
    event->accept();
}

void TfrmMain::showEvent(QShowEvent* event) {
    ++world_.scheme.RedrawRequests;
    QMainWindow::showEvent(event);
}

} // namespace lumeris
