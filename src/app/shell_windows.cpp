#include "app/shell_windows.h"

namespace lumeris {

TfrmProp::TfrmProp(QWidget* parent) : QFrame(parent, Qt::FramelessWindowHint) {
    setObjectName("frmProp");
    hide();
}

void TfrmProp::RefreshPropertiesPanel() {}

TfrmProp2::TfrmProp2(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setObjectName("frmProp2");
    setWindowTitle("Text");
    resize(320, 200);
}

TfrmText::TfrmText(QWidget* parent) : QFrame(parent, Qt::FramelessWindowHint) {
    setObjectName("frmText");
    hide();
}

} // namespace lumeris
