// lumeris: the desktop program.
#include "app/application.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_seams.h"

#include <QApplication>
#include <QPrinter>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("lumeris");

    lumeris::World world;
    QPrinter printer;
    lumeris::QtUserDialogs dialogs(nullptr, &printer);
    lumeris::QtShellLauncher shell;
    lumeris::QtProgramEnd end;
    lumeris::QtClipboard clipboard;
    lumeris::MainServices services{
        dialogs, shell, end, &printer, lumeris::osLogonName, lumeris::localShortDate, &clipboard};
    const std::string fileName =
        lumeris::startupFileName(argc, argv, QCoreApplication::applicationDirPath().toStdString());

    lumeris::Application windows(world, services, fileName);
    dialogs.setParent(&windows.frmMain);
    windows.show();
    return app.exec();
}
