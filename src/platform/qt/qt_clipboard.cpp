#include "platform/qt/qt_clipboard.h"

#include "text/qt/cp1251.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace lumeris {

std::optional<std::string> QtClipboard::text() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return toCp1251(data->text());
}

void QtClipboard::setText(const std::string& text) {
    QGuiApplication::clipboard()->setText(fromCp1251(text));
}

} // namespace lumeris
