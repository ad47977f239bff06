#include "platform/qt/qt_dialogs.h"

#include "wording/qt/shown_text.h"

#include <QAbstractButton>
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

Answer QtUserDialogs::askYesNoCancel(const UserText& text, const UserText& caption) {
    QMessageBox box(QMessageBox::Warning, boxTitle(caption), shown(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Dialogs", "Отмена"));
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<std::string> QtUserDialogs::openFile(OpenDialogKind kind, const std::string& folder) {
    switch (kind) {
    case OpenDialogKind::Photo:
        return chosen(QFileDialog::getOpenFileName(parent_, {}, start(folder, "")));
    case OpenDialogKind::Exchange:
        return chosen(QFileDialog::getOpenFileName(
            parent_, {}, start(folder, ""),
            QCoreApplication::translate("Dialogs", "Графы (*.graphml *.csv)")));
    case OpenDialogKind::Lisp:
        return chosen(QFileDialog::getOpenFileName(parent_, {}, start(folder, ""),
                                                   "Lisp (*.lisp *.lsp *.el *.scm);;* (*)"));
    case OpenDialogKind::Folder:
        return chosen(QFileDialog::getExistingDirectory(parent_, {}, qt(folder)));
    case OpenDialogKind::Scheme:
        break;
    }
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

// The ending follows the format chosen in the list, unless the name typed has its own.
std::optional<std::string> QtUserDialogs::exportFile(const std::string& folder) {
    const QStringList filters = {"GraphML (*.graphml)", "CSV (*.csv)", "DOT (*.dot)"};
    const QStringList endings = {"graphml", "csv", "dot"};
    QFileDialog dialog(parent_, {}, start(folder, ""));
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(endings[0]);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(endings.value(filters.indexOf(filter), endings[0]));
    });
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
