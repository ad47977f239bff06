// lumeris: the desktop program.
#include "app/application.h"
#include "app/edit_steps.h"
#include "app/info_options.h"
#include "app/program_folder.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_seams.h"
#include "program/history.h"

#include <QApplication>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    if (const auto status = lumeris::answerInfoOption(argc, argv))
        return *status;
    lumeris::StepMarkingApplication app(argc, argv);
    QCoreApplication::setApplicationName("lumeris");
    QCoreApplication::setOrganizationName("lumeris");

    lumeris::World world;
    app.afterEvent = [&world] { lumeris::endEditStep(world); };
    QPrinter printer;
    lumeris::QtUserDialogs dialogs(nullptr, &printer);
    lumeris::QtShellLauncher shell;
    lumeris::QtProgramEnd end;
    lumeris::QtClipboard clipboard;
    QSettings settings; // ~/.config/lumeris/lumeris.conf
    const std::string folder = lumeris::programFolder(
        QCoreApplication::applicationDirPath().toStdString(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    lumeris::MainServices services{
        dialogs,    shell,  end,      &printer, lumeris::osLogonName, lumeris::localShortDate,
        &clipboard, folder, &settings};
    const std::string fileName = lumeris::startupFileName(argc, argv, folder);

    lumeris::Application windows(world, services, fileName, argc > 1);
    dialogs.setParent(&windows.frmMain);
    windows.show();
    return app.exec();
}
