// The name editor over the canvas (TfrmText) and the text window with the item's comment
// (TfrmProp2). Like the panel, they show the record and hand their events to the core.
#pragma once

#include "props/qt/props_run.h"

#include <QFrame>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumeris {

class TfrmText : public QFrame {
    Q_OBJECT
  public:
    explicit TfrmText(QWidget* parent = nullptr);
    void bind(PropsRun run) { run_ = std::move(run); }
    void showState(const PanelState& state);
    // W(s): the width of Windows-1251 text in the editor's font.
    int textWidth(const std::string& text) const;

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PropsRun run_;
    std::string shown_;
};

class TfrmProp2 : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmProp2(QWidget* parent = nullptr);
    void bind(PropsRun run) { run_ = std::move(run); }
    void showState(const PanelState& state);
    void focusMemo();

    QPlainTextEdit* memoText = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PropsRun run_;
    std::string shown_; // CR LF line breaks, as the item holds it
};

} // namespace lumeris
