// The singleton windows besides the main window. Their contents come with their own parts;
// here they exist with their captions, kinds and parents, and live until the program ends.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QWidget>

namespace lumeris {

// The properties panel: borderless, a child of the main window once start-up places it.
class TfrmProp : public QFrame {
    Q_OBJECT
  public:
    explicit TfrmProp(QWidget* parent = nullptr);
    // Shows the selected item's or link's properties, or hides the panel.
    void RefreshPropertiesPanel();
};

// The text window: a floating tool window with the item's text.
class TfrmProp2 : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmProp2(QWidget* parent = nullptr);
};

// The text-entry window for an item's name: borderless, a child of the main window.
class TfrmText : public QFrame {
    Q_OBJECT
  public:
    explicit TfrmText(QWidget* parent = nullptr);
};

} // namespace lumeris
