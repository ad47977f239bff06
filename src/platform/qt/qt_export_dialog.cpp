// The picture export dialog: a file whose ending chooses the format, the whole scheme or the
// current view, and the scale of a PNG.
#include "platform/qt/qt_dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace lumeris {

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("Dialogs", source);
}

bool pictureEnding(const QString& file) {
    static const QRegularExpression ending("\\.(png|svg|pdf)$",
                                           QRegularExpression::CaseInsensitiveOption);
    return ending.match(file).hasMatch();
}

class ExportDialog : public QDialog {
  public:
    ExportDialog(QWidget* parent, const QString& suggested) : QDialog(parent) {
        setWindowTitle(text(QT_TRANSLATE_NOOP("Dialogs", "Экспорт рисунка")));
        file_ = new QLineEdit(suggested);
        file_->setMinimumWidth(360); // room for a path
        auto* browse = new QPushButton(text(QT_TRANSLATE_NOOP("Dialogs", "Обзор...")));
        auto* fileRow = new QHBoxLayout;
        fileRow->addWidget(file_);
        fileRow->addWidget(browse);
        whole_ = new QRadioButton(text(QT_TRANSLATE_NOOP("Dialogs", "Вся схема")));
        auto* view = new QRadioButton(text(QT_TRANSLATE_NOOP("Dialogs", "Текущий вид")));
        whole_->setChecked(true);
        scale_ = new QDoubleSpinBox;
        scale_->setRange(0.25, 8);
        scale_->setSingleStep(0.25);
        scale_->setValue(1);
        buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

        auto* form = new QFormLayout(this);
        form->addRow(text(QT_TRANSLATE_NOOP("Dialogs", "Файл (.png, .svg, .pdf):")), fileRow);
        form->addRow(text(QT_TRANSLATE_NOOP("Dialogs", "Показать:")), whole_);
        form->addRow(QString(), view);
        form->addRow(text(QT_TRANSLATE_NOOP("Dialogs", "Масштаб PNG:")), scale_);
        form->addRow(buttons_);

        connect(browse, &QPushButton::clicked, this, &ExportDialog::browse);
        connect(file_, &QLineEdit::textChanged, this, &ExportDialog::follow);
        connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
        follow();
    }

    PictureExportChoice choice() const {
        return {file_->text().toStdString(), whole_->isChecked(), scale_->value()};
    }

  private:
    void browse() {
        const QString chosen = QFileDialog::getSaveFileName(
            this, windowTitle(), file_->text(),
            text(QT_TRANSLATE_NOOP("Dialogs", "PNG (*.png);;SVG (*.svg);;PDF (*.pdf)")));
        if (!chosen.isEmpty())
            file_->setText(chosen);
    }
    // OK only for a name of a known ending; the scale only for a PNG.
    void follow() {
        buttons_->button(QDialogButtonBox::Ok)->setEnabled(pictureEnding(file_->text()));
        scale_->setEnabled(file_->text().endsWith(".png", Qt::CaseInsensitive));
    }

    QLineEdit* file_;
    QRadioButton* whole_;
    QDoubleSpinBox* scale_;
    QDialogButtonBox* buttons_;
};

} // namespace

std::optional<PictureExportChoice> QtUserDialogs::exportPicture(const std::string& suggested) {
    ExportDialog dialog(parent_, QString::fromStdString(suggested));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace lumeris
