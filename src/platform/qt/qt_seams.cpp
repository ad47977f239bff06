#include "platform/qt/qt_seams.h"

#include <QDesktopServices>
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

} // namespace lumeris
