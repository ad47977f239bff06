// The pictures of the scheme the window makes besides the canvas's print: an exported PNG,
// SVG or PDF file, and a print of the whole scheme as vectors.
#include "app/main_window.h"
#include "view/qt/frame_printer.h"
#include "view/qt/picture.h"

#include <QDir>
#include <QFileInfo>

namespace lumeris {

namespace {

// The scheme's own name with a picture's ending, beside it; "Схема.png" for a new scheme.
std::string suggestedPictureName(const Document& doc) {
    if (doc.FileName.empty())
        return TfrmMain::tr("Схема.png").toStdString();
    const QFileInfo scheme(QString::fromStdString(doc.FileName));
    return (scheme.dir().filePath(scheme.completeBaseName()) + ".png").toStdString();
}

} // namespace

void TfrmMain::aExportPictureExecute() {
    const auto choice = services_.dialogs.exportPicture(suggestedPictureName(world_.doc));
    ++world_.scheme.RedrawRequests;
    if (!choice)
        return;
    const QString file = QString::fromStdString(choice->file);
    const auto format = pictureFormatOf(file);
    if (!format) {
        services_.dialogs.message(
            tr("Рисунок сохраняется в файл PNG, SVG или PDF: %1").arg(file).toStdString(),
            "Lumeris", MessageIcon::Error);
        return;
    }
    ViewState view = world_.view;
    if (choice->wholeScheme)
        view = wholeSchemeView(world_.scheme, world_.view, view.CanvasWidth, view.CanvasHeight);
    PictureMaker maker(world_, painter_.Background);
    const double scale = *format == PictureFormat::Png ? choice->pixelScale : 1;
    const QString error = maker.write(view, file, *format, scale);
    if (!error.isEmpty())
        services_.dialogs.message(error.toStdString(), "Lumeris", MessageIcon::Error);
}

void TfrmMain::aPrintWholeExecute() {
    ++world_.scheme.RedrawRequests;
    if (!services_.printer || !services_.dialogs.printDialog())
        return;
    PictureMaker maker(world_, painter_.Background);
    if (!printWholeScheme(maker, world_.scheme, world_.view, *services_.printer))
        services_.dialogs.message(tr("Не удалось напечатать схему").toStdString(), "Lumeris",
                                  MessageIcon::Error);
}

} // namespace lumeris
