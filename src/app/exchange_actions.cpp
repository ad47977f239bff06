// Файл → Импорт and Файл → Экспорт: graphs from and for other tools, the format chosen by
// the file's ending.
#include "app/exchange_texts.h"
#include "app/main_window.h"
#include "exchange/qt/exchange_files.h"
#include "program/exchange_command.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

namespace lumeris {

namespace {

// A wait cursor while a large file is read or written.
class WaitCursor {
  public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

// The graph is read whole before anything is added, so a malformed file leaves the scheme
// as it was.
void TfrmMain::aImportExecute() {
    const auto file = services_.dialogs.openFile(OpenDialogKind::Exchange, workflow_.DialogFolder);
    if (!file)
        return;
    const auto warn = [this](const QString& text) {
        services_.dialogs.message(text.toStdString(),
                                  QCoreApplication::translate("TfrmMain", "Импорт").toStdString(),
                                  MessageIcon::Warning);
    };
    const auto format = formatOfFile(*file);
    if (!format || !canImport(*format))
        return warn(QCoreApplication::translate(
            "TfrmMain", "Импортировать можно файлы GraphML (.graphml) и CSV (.csv)."));
    QFile source(QString::fromStdString(*file));
    if (!source.open(QIODevice::ReadOnly))
        return warn(QCoreApplication::translate("TfrmMain", "Не удалось прочитать %1")
                        .arg(QString::fromStdString(*file)));
    ExchangeRead read;
    {
        WaitCursor wait;
        const QByteArray bytes = source.readAll();
        read = readExchange(*format, std::string_view(bytes.constData(), bytes.size()));
        if (read)
            importAtPointer(world_, read.graph);
    }
    if (!read)
        return warn(importErrorText(*read.error));
    Repaint(false);
    if (!read.graph.notes.empty())
        services_.dialogs.message(importNotesText(read.graph.notes).toStdString(),
                                  QCoreApplication::translate("TfrmMain", "Импорт").toStdString(),
                                  MessageIcon::None);
}

void TfrmMain::aExportExecute() {
    const auto file = services_.dialogs.exportFile(workflow_.DialogFolder);
    if (!file)
        return;
    const auto warn = [this](const QString& text) {
        services_.dialogs.message(text.toStdString(),
                                  QCoreApplication::translate("TfrmMain", "Экспорт").toStdString(),
                                  MessageIcon::Warning);
    };
    const auto format = formatOfFile(*file);
    if (!format)
        return warn(QCoreApplication::translate(
            "TfrmMain", "Имя файла должно оканчиваться на .graphml, .csv или .dot."));
    bool written = false;
    {
        WaitCursor wait;
        const std::string bytes = writeExchange(*format, world_.scheme);
        QSaveFile out(QString::fromStdString(*file));
        written = out.open(QIODevice::WriteOnly) &&
                  out.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                      static_cast<qint64>(bytes.size()) &&
                  out.commit();
    }
    if (!written)
        warn(QCoreApplication::translate("TfrmMain", "Не удалось записать %1")
                 .arg(QString::fromStdString(*file)));
}

} // namespace lumeris
