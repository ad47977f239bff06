// TfrmProp: the properties panel, a frameless child of the main window. It shows what the
// panel's record says and hands every event to the core's handlers.
#pragma once

#include "props/qt/props_run.h"

#include <QFrame>
#include <array>
#include <string>

class QAction;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace lumeris {

class PointerArea;

// The main window's actions the toolbars are bound to.
struct PanelActions {
    QAction* aDelete = nullptr;
    QAction* aClone = nullptr;
    QAction* aSplit = nullptr;
    QAction* aUnite = nullptr;
    std::function<void()> openAddress;   // sbOpenUrl: opens the selected item's address
    std::function<void(bool)> watchItem; // tbWatch: the selected item is watched, or no more
};

class TfrmProp : public QFrame {
    Q_OBJECT
  public:
    explicit TfrmProp(QWidget* parent = nullptr);

    // Connects the controls; until then the panel shows and does nothing.
    void bind(PropsRun runner, const PanelActions& actions, UserDialogs* dialogs,
              PictureLoader* pictures);
    // Shows the record, touching only what differs from what the widgets show.
    void showState(const PanelState& state);
    bool customFocused() const;
    // tbWatch shows whether the selected item is watched; the panel's record does not know.
    void showWatched(bool watched);
    void focusName();

    QLineEdit* ePropName = nullptr;
    QLineEdit* ePropValue = nullptr;
    QLineEdit* ePropErr = nullptr;
    QLineEdit* ePropCustom = nullptr;
    QLineEdit* ePropWww = nullptr;
    QWidget* panItem = nullptr;
    QWidget* panLink = nullptr;
    QPushButton* Button1 = nullptr;
    std::array<PointerArea*, 3> iRunnerBar{};
    std::array<PointerArea*, 3> iRunner{};
    PointerArea* iCb = nullptr;
    PointerArea* iDrag = nullptr;
    std::array<QToolButton*, 5> tbarLogic{}; // Boolean, Real, Fuzzy, Flag, Projection
    QToolButton* tbPhoto = nullptr;
    QToolButton* tbWatch = nullptr;
    QToolButton* tbText = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* sbOpenUrl = nullptr;
    QToolButton* tbConvertLinkToItem = nullptr;
    std::array<QToolButton*, 3> tbarPoint{}; // tbDeleteItem, ToolButton2, ToolButton3
    std::array<QToolButton*, 2> tbarLink{};  // tbDeleteLink, ToolButton1

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void createControls();
    void run(const PropsHandler& handler) const;
    static void setText(QLineEdit* edit, std::string& shown, const std::string& text);

    PropsRun run_;
    PanelState::Check checkLook_ = PanelState::Check::Unticked;
    std::string name_, value_, andOr_, custom_, www_; // what the edits show (Windows-1251)
};

} // namespace lumeris
