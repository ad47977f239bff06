#include "view/qt/picture.h"

#include "view/fit.h"
#include "view/label_text.h"
#include "view/qt/layers.h"
#include "view/qt/paint_frame.h"
#include "view/qt/under_layers.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

namespace lumeris {

namespace {

// The focus, hover and pointer gestures set aside while a picture is drawn, with the name
// colours that follow them; everything is put back afterwards.
class FocusAside {
  public:
    explicit FocusAside(World& world)
        : world_(world), scheme_(world.scheme), input_(world.input), selected_(scheme_.Selected),
          hovered_(scheme_.Hovered), editState_(scheme_.EditState), hoverKind_(scheme_.HoverKind) {
        for (const CPoint* item = scheme_.ItemList; item; item = item->Next)
            nameColours_.push_back(item->NameColor);
        scheme_.Selected = {};
        scheme_.Hovered = {};
        scheme_.EditState = EditIdle;
        scheme_.HoverKind = HoverNothing;
        world_.input.LinkDragging = false;
        world_.input.BandActive = false;
        updateNameColours(scheme_);
    }
    ~FocusAside() {
        scheme_.Selected = selected_;
        scheme_.Hovered = hovered_;
        scheme_.EditState = editState_;
        scheme_.HoverKind = hoverKind_;
        world_.input = input_;
        auto colour = nameColours_.begin();
        for (CPoint* item = scheme_.ItemList; item; item = item->Next)
            item->NameColor = *colour++;
    }
    FocusAside(const FocusAside&) = delete;
    FocusAside& operator=(const FocusAside&) = delete;

  private:
    World& world_;
    Scheme& scheme_;
    const Interaction input_;
    const ObjectRef selected_, hovered_;
    const int editState_, hoverKind_;
    std::vector<std::uint32_t> nameColours_;
};

QString message(const char* text, const QString& path) {
    return QCoreApplication::translate("PictureMaker", text).arg(path);
}

} // namespace

std::optional<PictureFormat> pictureFormatOf(const QString& fileName) {
    if (fileName.endsWith(".png", Qt::CaseInsensitive))
        return PictureFormat::Png;
    if (fileName.endsWith(".svg", Qt::CaseInsensitive))
        return PictureFormat::Svg;
    if (fileName.endsWith(".pdf", Qt::CaseInsensitive))
        return PictureFormat::Pdf;
    return std::nullopt;
}

ViewState wholeSchemeView(const Scheme& scheme, const ViewState& current, int width, int height) {
    const ViewFit fit = fitWholeScheme(scheme, width, height);
    ViewState view = current;
    view.ScreenX = fit.ScreenX;
    view.ScreenY = fit.ScreenY;
    view.Scale = fit.Scale;
    view.ZoomLevel = fit.ZoomLevel;
    view.CanvasWidth = width;
    view.CanvasHeight = height;
    return view;
}

PictureMaker::PictureMaker(World& world, const QImage& background)
    : world_(world), background_(withTransparency(background)) {
    useArialSubstitutes();
}

// The canvas's full frame with the grid left out (as printing does), layer for layer.
void PictureMaker::paintLayers(PaintFrame& frame) {
    const FocusAside aside(world_);
    const ViewState& view = frame.view;
    frame.shapes.fillRect(0, 0, view.CanvasWidth, view.CanvasHeight, 0xFFFFFFFF);
    paintBackground(frame, background_);
    findItemsOnScreen(frame, onScreen_);
    paintPhotos(frame, onScreen_);
    if (view.ShowLinks)
        paintLinks(frame);
    frame.setFontSize(nameFontSize(view.Scale));
    paintHiddenNames(frame, onScreen_);
    if (view.ZoomLevel > 3)
        paintLabels(frame, onScreen_);
    paintItems(frame, onScreen_, sprites_);
    paintTraces(frame, onScreen_, sprites_);
}

QImage PictureMaker::image(const ViewState& view, double pixelScale) {
    ViewState v = view;
    if (pixelScale == 1) {
        QImage back(v.CanvasWidth, v.CanvasHeight, QImage::Format_RGB32);
        PaintFrame frame(world_, v, back);
        paintLayers(frame);
        return back;
    }
    QImage picture(int(std::lround(v.CanvasWidth * pixelScale)),
                   int(std::lround(v.CanvasHeight * pixelScale)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    PaintFrame frame(world_, v, static_cast<QPaintDevice&>(picture));
    frame.painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    frame.painter.scale(pixelScale, pixelScale);
    paintLayers(frame);
    return picture;
}

bool PictureMaker::paintVectors(QPaintDevice& device, const ViewState& view, double magnify) {
    ViewState v = view;
    PaintFrame frame(world_, v, device);
    if (!frame.painter.isActive())
        return false;
    frame.painter.scale(magnify, magnify);
    frame.painter.setClipRect(QRect(0, 0, v.CanvasWidth, v.CanvasHeight));
    paintLayers(frame);
    return frame.painter.end();
}

QString PictureMaker::write(const ViewState& view, const QString& path, PictureFormat format,
                            double pixelScale) {
    const QString failed = message("Can not write %1", path);
    switch (format) {
    case PictureFormat::Png:
        return image(view, pixelScale).save(path, "PNG") ? QString() : failed;
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(QSize(view.CanvasWidth, view.CanvasHeight));
        svg.setViewBox(QRect(0, 0, view.CanvasWidth, view.CanvasHeight));
        svg.setResolution(96);
        svg.setTitle(QStringLiteral("Lumeris"));
        return paintVectors(svg, view) ? QString() : failed;
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(path);
        pdf.setResolution(96);
        pdf.setCreator(QStringLiteral("Lumeris"));
        // A page of exactly the canvas's size, 96 canvas pixels to the inch.
        const QSizeF points = QSizeF(view.CanvasWidth, view.CanvasHeight) * 72.0 / 96;
        pdf.setPageLayout(
            QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        return paintVectors(pdf, view) ? QString() : failed;
    }
    }
    return failed;
}

} // namespace lumeris
