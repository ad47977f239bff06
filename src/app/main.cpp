// lumeris: the desktop program.
#include "app/application.h"
#include "app/edit_steps.h"
#include "app/info_options.h"
#include "app/program_folder.h"
#include "platform/qt/qt_clipboard.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_seams.h"
#include "program/history.h"
#include "wording/qt/translations.h"

#include <QApplication>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv, argv + argc);
    const lumeris::LanguageOption option = lumeris::takeLanguageOption(args);
    std::vector<const char*> rest;
    for (const std::string& arg : args)
        rest.push_back(arg.c_str());
    const int restCount = static_cast<int>(rest.size());
    if (const auto status = lumeris::answerInfoOption(restCount, rest.data()))
        return *status;
    if (!option.error.empty()) {
        std::fprintf(stderr, "lumeris: %s\nusage: lumeris [--lang ru|en] [FILE]\n",
                     option.error.c_str());
        return 1;
    }
    lumeris::StepMarkingApplication app(argc, argv);
    QCoreApplication::setApplicationName("lumeris");
    QCoreApplication::setOrganizationName("lumeris");
    const lumeris::Language language = lumeris::chooseLanguage(
        option.language, lumeris::storedLanguage(), lumeris::systemUiLanguages());
    lumeris::installTranslations(app, language);

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
        // ~/.local/share/lumeris: the organisation name (for the settings) stays out of it.
        (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/lumeris")
            .toStdString());
    lumeris::MainServices services{dialogs,
                                   shell,
                                   end,
                                   &printer,
                                   lumeris::osLogonName,
                                   lumeris::localShortDate,
                                   &clipboard,
                                   folder,
                                   &settings,
                                   {language, lumeris::storeLanguage}};
    const std::string fileName = lumeris::startupFileName(restCount, rest.data(), folder);

    lumeris::Application windows(world, services, fileName, restCount > 1);
    dialogs.setParent(&windows.frmMain);
    windows.show();
    return app.exec();
}
