// Pictures of the scheme for export, printing and the headless renderer: the canvas's own
// layers drawn for a given view, without the grid and without the marks of the user's
// attention (hover, selection, link drawing, the rubber band, the tooltip). On a raster
// picture at one pixel per canvas pixel they set exactly the canvas's pixels; on SVG, PDF, a
// printer or a magnified picture they draw vectors.
#pragma once

#include "program/world.h"
#include "view/qt/sprites.h"

#include <QImage>
#include <QString>
#include <optional>
#include <vector>

class QPaintDevice;

namespace lumeris {

class PaintFrame;

enum class PictureFormat { Png, Svg, Pdf };

// By the file name's ending (.png, .svg, .pdf, in any case); nullopt for any other.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);

// The view that shows the whole scheme on a canvas of width x height pixels, with the display
// toggles of `current`.
ViewState wholeSchemeView(const Scheme& scheme, const ViewState& current, int width, int height);

class PictureMaker {
  public:
    // `background` is the background picture as loaded (bmpBackground); it is drawn when the
    // document names one.
    PictureMaker(World& world, const QImage& background);

    // The view's canvas as a Format_RGB32 image, `pixelScale` image pixels per canvas pixel.
    QImage image(const ViewState& view, double pixelScale = 1);
    // Draws the view's canvas on `device` as vectors, each canvas pixel `magnify` device
    // units across. False when the device cannot be painted on.
    bool paintVectors(QPaintDevice& device, const ViewState& view, double magnify = 1);
    // Writes the picture in the format; a PNG has `pixelScale` pixels per canvas pixel.
    // Returns an empty string, or the message that says why the file was not written.
    QString write(const ViewState& view, const QString& path, PictureFormat format,
                  double pixelScale = 1);

  private:
    void paintLayers(PaintFrame& frame);

    World& world_;
    QImage background_; // see-through where its transparent colour was
    Sprites sprites_;
    std::vector<const CPoint*> onScreen_;
};

} // namespace lumeris
