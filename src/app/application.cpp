#include "app/application.h"

#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QWindow>
#include <pwd.h>
#include <unistd.h>

namespace lumeris {

std::string startupFileName(int argc, const char* const* argv, const std::string& programFolder) {
    if (argc > 1)
        return argv[1];
    return programFolder + "/lumeris.txt";
}

std::string osLogonName() {
    if (const passwd* entry = getpwuid(geteuid()))
        return entry->pw_name;
    return {};
}

std::string localShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

// Members are constructed in the order of the windows: the main window first (its creation
// step reads the start-up scheme), then the text window, the properties panel, the About box,
// the text-entry window and the network dialog. The services hold references, which the
// move into the main window leaves valid for the About box.
Application::Application(World& world, MainServices services, const std::string& fileName,
                         bool createMissing)
    : frmMain(world, std::move(services), fileName, createMissing), frmProp2(&frmMain), frmProp(),
      frmAbout(services.shell, &frmMain), frmText(), random_(std::random_device{}()),
      frmMatrix(world, services.dialogs, random_, &frmMain) {
    const int screenHeight = QGuiApplication::primaryScreen()
                                 ? QGuiApplication::primaryScreen()->geometry().height()
                                 : 768;
    // Its outer height, title bar included: the frame is known once the window exists.
    frmProp2.winId();
    const QMargins frame = frmProp2.windowHandle()->frameMargins();
    frmProp2.resize(599 - frame.left() - frame.right(), 199 - frame.top() - frame.bottom());
    frmProp2.move(4, screenHeight - 199 - 100);
    frmProp.setParent(&frmMain, Qt::FramelessWindowHint);
    frmText.setParent(&frmMain, Qt::FramelessWindowHint);
    frmProp.hide();
    frmText.hide();
    frmMain.setOtherWindows({&frmProp2, &frmProp, &frmAbout, &frmText, &frmMatrix});
}

// The place and size of the last run when the settings keep them.
void Application::show() {
    if (frmMain.restoreGeometryFromSettings()) {
        frmMain.show();
        return;
    }
    // Without a window manager (a bare X server) maximising does nothing; fill the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        frmMain.setGeometry(screen->availableGeometry());
    frmMain.showMaximized();
}

} // namespace lumeris
