// The help window: the user guide (a Markdown text built into the program) in a browser
// window of its own, titled "Справка — Lumeris".
#pragma once

#include <QWidget>

class QTextBrowser;

namespace lumeris {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* parent);

    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

} // namespace lumeris
