#include "platform/qt/qt_seams.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace lumeris {

namespace {

// xdg-open's exit statuses, as its manual gives them.
QString reasonFor(int status) {
    switch (status) {
    case 2:
        return QCoreApplication::translate("QtShellLauncher", "the file does not exist");
    case 3:
        return QCoreApplication::translate("QtShellLauncher", "no program is set to open it");
    default:
        return QCoreApplication::translate("QtShellLauncher", "the program that opens it failed");
    }
}

} // namespace

void QtProgramEnd::end(int exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

QtShellLauncher::~QtShellLauncher() {
    // A handler still running (a browser xdg-open waits for) must not report into windows
    // that are gone.
    for (QProcess* process : findChildren<QProcess*>())
        process->disconnect();
}

void QtShellLauncher::open(const std::string& address, ShellFailure failed) {
    launch(QUrl::fromUserInput(QString::fromStdString(address)).toString(), std::move(failed));
}

void QtShellLauncher::openFile(const std::string& path, ShellFailure failed) {
    launch(QFileInfo(QString::fromStdString(path)).absoluteFilePath(), std::move(failed));
}

void QtShellLauncher::launch(const QString& argument, ShellFailure failed) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedOutputChannel);
    const auto report = [process, failed](const QString& reason) {
        if (failed)
            failed(reason.toStdString());
        process->deleteLater();
    };
    connect(process, &QProcess::finished, process,
            [process, report](int status, QProcess::ExitStatus how) {
                if (how == QProcess::NormalExit && status == 0)
                    process->deleteLater();
                else
                    report(reasonFor(how == QProcess::NormalExit ? status : -1));
            });
    connect(process, &QProcess::errorOccurred, process,
            [process, report](QProcess::ProcessError error) {
                if (error == QProcess::FailedToStart)
                    report(QCoreApplication::translate("QtShellLauncher",
                                                       "xdg-open cannot be started: %1")
                               .arg(process->errorString()));
            });
    process->start("xdg-open", {argument});
}

} // namespace lumeris
