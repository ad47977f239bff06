#include "platform/qt/qt_dialogs.h"

#include "wording/qt/shown_text.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace lumeris {

namespace {

QString qt(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The window system shows the application's name in place of an empty title; a blank one
// keeps the caption empty.
QString boxTitle(const UserText& caption) {
    return caption.empty() ? QStringLiteral(" ") : shown(caption);
}

QString translated(const char* text) {
    return QCoreApplication::translate("Dialogs", text);
}

// An initial folder, or the file dialog's own default; `preset` is the preset file name.
QString start(const std::string& folder, const QString& preset) {
    return folder.empty() ? preset : qt(folder) + "/" + preset;
}

std::optional<std::string> chosen(const QString& file) {
    if (file.isEmpty())
        return std::nullopt;
    return file.toStdString();
}

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

const char* const SchemeFilter = QT_TRANSLATE_NOOP("Dialogs", "Lumeris files (*.txt)");

} // namespace

void QtUserDialogs::message(const UserText& text, const UserText& caption, MessageIcon icon) {
    QMessageBox box(qtIcon(icon), boxTitle(caption), shown(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtUserDialogs::askYesNo(const UserText& text, const UserText& caption) {
    QMessageBox box(QMessageBox::Warning, boxTitle(caption), shown(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtUserDialogs::openFile(OpenDialogKind kind, const std::string& folder) {
    if (kind == OpenDialogKind::Photo)
        return chosen(QFileDialog::getOpenFileName(parent_, {}, start(folder, "")));
    return chosen(QFileDialog::getOpenFileName(parent_, {}, start(folder, "lumeris.txt"),
                                               translated(SchemeFilter)));
}

std::optional<std::string> QtUserDialogs::saveFile(const std::string& folder) {
    QFileDialog dialog(parent_, {},
                       start(folder, QCoreApplication::translate("Dialogs", "Схема.txt")),
                       translated(SchemeFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("txt");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().first());
}

std::optional<std::string> QtUserDialogs::pickPicture(const std::string& folder) {
    // Every format the picture loader decodes, not only bitmaps.
    return chosen(QFileDialog::getOpenFileName(
        parent_, {}, start(folder, ""),
        QCoreApplication::translate(
            "Dialogs", "Bitmaps (*.bmp);;gif (*.gif);;jpeg (*.jpg *.jpeg);;png (*.png)")));
}

bool QtUserDialogs::printDialog() {
    if (!printer_)
        return false;
    QPrintDialog dialog(printer_, parent_);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace lumeris
