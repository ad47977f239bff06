#include "platform/qt/qt_seams.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace lumeris {

void QtProgramEnd::end(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

bool QtShellLauncher::open(const std::string& address) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
}

bool QtShellLauncher::openFile(const std::string& path) {
    const QString name = QString::fromStdString(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(name).absoluteFilePath()));
}

} // namespace lumeris
