#include "app/find_bar.h"

#include "find/find_matcher.h"
#include "text/qt/cp1251.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace lumeris {

namespace {

// Keys the field edits with; as shortcuts they would make or delete items.
bool isEditingKey(const QKeyEvent* key) {
    if (!key->text().isEmpty() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return true;
    switch (key->key()) {
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

FindBar::FindBar(Scheme& scheme, QWidget* parent)
    : QWidget(parent), scheme_(scheme), field_(new QLineEdit(this)), count_(new QLabel(this)) {
    setObjectName("FindBar");
    setProperty("ownsItsKeys", true); // typing here never reaches the window's item commands
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed); // the canvas keeps the rest
    field_->setObjectName("eFind");
    field_->setPlaceholderText(tr("Слова из названия, текста или адреса"));
    field_->setClearButtonEnabled(true);
    field_->installEventFilter(this);
    auto* closer = new QToolButton(this);
    closer->setText(QStringLiteral("×"));
    closer->setToolTip(tr("Закрыть (Esc)"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new QLabel(tr("Найти:"), this));
    layout->addWidget(field_, 1);
    layout->addWidget(count_);
    layout->addWidget(closer);
    connect(field_, &QLineEdit::textChanged, this, &FindBar::search);
    connect(closer, &QToolButton::clicked, this, &FindBar::close);
    hide();
}

void FindBar::open() {
    show();
    field_->setFocus();
    field_->selectAll();
    search();
}

void FindBar::close() {
    hide();
    matches_.clear();
    current_ = -1;
    if (onMatchesChanged)
        onMatchesChanged();
}

void FindBar::followScheme() {
    if (!isHidden() && scheme_.changeStamp() != stamp_)
        search();
}

void FindBar::search() {
    const CPoint* chosen = current_ >= 0 ? matches_[current_] : nullptr;
    matches_ = findItems(scheme_, FindQuery(toCp1251(field_->text())));
    stamp_ = scheme_.changeStamp();
    // The chosen match keeps its place when it still matches, so that Enter goes on from it.
    const auto kept = std::find(matches_.begin(), matches_.end(), chosen);
    current_ = kept == matches_.end() ? -1 : int(kept - matches_.begin());
    showCount();
    if (onMatchesChanged)
        onMatchesChanged();
}

void FindBar::showCount() {
    if (field_->text().trimmed().isEmpty())
        count_->clear();
    else if (matches_.empty())
        count_->setText(tr("Не найдено"));
    else if (current_ < 0)
        count_->setText(tr("Найдено: %1").arg(matches_.size()));
    else
        count_->setText(tr("%1 из %2").arg(current_ + 1).arg(matches_.size()));
}

void FindBar::step(bool back) {
    followScheme();
    if (matches_.empty())
        return;
    const int n = int(matches_.size());
    current_ = current_ < 0 ? (back ? n - 1 : 0) : (current_ + (back ? n - 1 : 1)) % n;
    showCount();
    if (onChosen)
        onChosen(matches_[current_]);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride) {
        if (isEditingKey(static_cast<QKeyEvent*>(event)))
            event->accept();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        step(key->modifiers() & Qt::ShiftModifier);
        return true;
    }
    return false;
}

} // namespace lumeris
