#include "platform/qt/qt_picture_loader.h"

#include "platform/qt/qt_picture.h"
#include "text/qt/cp1251.h"

#include <QImageReader>

namespace lumeris {

namespace {

// Model texts are Windows-1251; the file system's names are UTF-8.
std::string fileOf(const std::string& name, const std::string& schemeFile) {
    return pictureFilePath(fromCp1251(name).toStdString(), schemeFile);
}

QImage whiteTransparent(const QImage& picture) {
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (row[x] == white)
                row[x] = 0;
    }
    return image;
}

} // namespace

QImage decodePicture(const std::string& pathUtf8) {
    QImageReader reader(QString::fromStdString(pathUtf8));
    QImage image = reader.read();
    if (image.isNull())
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

std::unique_ptr<Picture> QtPictureLoader::loadPhoto(const std::string& photo,
                                                    const std::string& schemeFile) {
    const QImage image = decodePicture(fileOf(photo, schemeFile));
    if (image.isNull())
        return nullptr;
    return std::make_unique<QtPicture>(whiteTransparent(image));
}

void QtPictureLoader::loadBackground(const Document& doc) {
    if (doc.BackGroundImage.empty())
        return;
    const QImage image = decodePicture(fileOf(doc.BackGroundImage, doc.FileName));
    if (image.isNull())
        return;
    background_ = image;
    if (loaded_)
        loaded_();
}

} // namespace lumeris
