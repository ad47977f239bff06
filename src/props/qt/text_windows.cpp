#include "props/qt/text_windows.h"

#include "props/name_editor.h"
#include "text/qt/cp1251.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumeris {

namespace {

QFont arial12() {
    QFont font("Arial");
    font.setPixelSize(12);
    return font;
}

// The item's text with its CR LF as the memo's line breaks.
QString memoLines(const std::string& text) {
    std::string lf;
    for (const char c : text)
        if (c != '\r')
            lf += c;
    return fromCp1251(lf);
}

} // namespace

TfrmText::TfrmText(QWidget* parent) : QFrame(parent, Qt::FramelessWindowHint) {
    setObjectName("frmText");
    resize(EditorDesignWidth, EditorHeight);
    Button1 = new QPushButton("CR", this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(5, 4, 23, 15);
    Button1->setFocusPolicy(Qt::NoFocus);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName("Edit1");
    Edit1->setFrame(false);
    Edit1->setFont(arial12());
    Edit1->setGeometry(0, 0, EditorDesignWidth, 23);
    QPalette palette = Edit1->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 248));
    Edit1->setPalette(palette);
    Edit1->installEventFilter(this);
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString& text) {
        shown_ = toCp1251(text);
        if (run_)
            run_([&](Props& p) { Edit1Change(p, shown_); });
    });
    connect(Button1, &QPushButton::clicked, this, [this] {
        if (run_)
            run_(Edit1Enter);
    });
    hide();
}

int TfrmText::textWidth(const std::string& text) const {
    return QFontMetrics(Edit1->font()).horizontalAdvance(fromCp1251(text));
}

void TfrmText::showState(const PanelState& state) {
    const QRect place(state.EditorLeft, state.EditorTop, state.EditorWidth, EditorHeight);
    if (geometry() != place) {
        setGeometry(place);
        Edit1->resize(state.EditorWidth, 23); // anchored left, top and right
    }
    const bool opening = state.EditorVisible && !isVisible();
    if (shown_ != state.EditorText) {
        shown_ = state.EditorText;
        Edit1->setText(fromCp1251(shown_));
        Edit1->setCursorPosition(std::max(state.EditorCaret, 0));
    } else if (opening)
        Edit1->setCursorPosition(std::max(state.EditorCaret, 0));
    if (isVisible() != state.EditorVisible)
        setVisible(state.EditorVisible);
    if (opening)
        raise();
}

// Enter and Esc are the editor's; no key goes on to the main window, whose keys make items.
bool TfrmText::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit1 && event->type() == QEvent::KeyPress && run_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            run_(Edit1Enter);
            return true;
        }
        if (key == Qt::Key_Escape) {
            run_(Edit1Escape);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

TfrmProp2::TfrmProp2(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setObjectName("frmProp2");
    setWindowTitle(tr("Text"));
    resize(599, 199);
    memoText = new QPlainTextEdit(this);
    memoText->setObjectName("memoText");
    memoText->setFont(arial12());
    memoText->setLineWrapMode(QPlainTextEdit::NoWrap);
    memoText->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memoText);
    connect(memoText, &QPlainTextEdit::textChanged, this, [this] {
        const std::string text = toCp1251(memoText->toPlainText());
        std::string crlf;
        for (const char c : text)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        if (crlf == shown_)
            return; // the record's own text, shown by show()
        shown_ = crlf;
        if (run_)
            run_([&](Props& p) { memoTextChange(p, text); });
    });
}

void TfrmProp2::showState(const PanelState& state) {
    if (shown_ != state.Memo) {
        shown_ = state.Memo;
        memoText->setPlainText(memoLines(shown_));
    }
    if (isVisible() != state.TextVisible)
        setVisible(state.TextVisible);
}

void TfrmProp2::focusMemo() {
    activateWindow();
    memoText->setFocus();
}

void TfrmProp2::closeEvent(QCloseEvent* event) {
    event->accept();
    if (run_)
        run_(hideTextWindow);
}

bool TfrmProp2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memoText && event->type() == QEvent::FocusIn && run_)
        run_(memoTextEnter);
    return QWidget::eventFilter(watched, event);
}

} // namespace lumeris
