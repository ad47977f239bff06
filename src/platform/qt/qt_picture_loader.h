// The readers' picture loader, decoding with Qt every format it reads (BMP, PNG, JPEG, GIF).
// Photos become QtPictures whose white pixels are transparent; the background picture goes
// into the holder the painter draws from.
#pragma once

#include "platform/picture_loader.h"

#include <QImage>
#include <functional>

namespace lumeris {

// A picture file decoded into Format_RGB32; null when it cannot be opened or decoded.
QImage decodePicture(const std::string& pathUtf8);

class QtPictureLoader : public PictureLoader {
  public:
    // `background` is bmpBackground, the holder the painter draws; `loaded` runs after a
    // background picture was loaded (the window raises RedrawRequests and ticks mPicture).
    QtPictureLoader(QImage& background, std::function<void()> loaded)
        : background_(background), loaded_(std::move(loaded)) {}

    std::unique_ptr<Picture> loadPhoto(const std::string& photo,
                                       const std::string& schemeFile) override;
    void loadBackground(const Document& doc) override;

  private:
    QImage& background_;
    std::function<void()> loaded_;
};

} // namespace lumeris
