// The hook through which the readers load pictures. The Qt layer implements it; a null loader
// loads nothing (items keep their `photo` names without pictures).
#pragma once

#include "model/document.h"
#include "model/objects.h"

#include <memory>
#include <string>
#include <string_view>

namespace lumeris {

class PictureLoader {
  public:
    virtual ~PictureLoader() = default;

    // Loads an item's picture as a Windows bitmap with white as its transparent colour.
    // `photo` holds the Windows-1251 bytes of the file; `schemeFile` is the document's
    // FileName, whose folder holds a photo named without a folder part (see pictureFilePath).
    // Returns null when the file cannot be opened or is not a valid picture.
    virtual std::unique_ptr<Picture> loadPhoto(const std::string& photo,
                                               const std::string& schemeFile) = 0;

    // LoadBackgroundPicture: loads doc.BackGroundImage, found the same way, as the background.
    // A picture that cannot be loaded leaves the previous one and shows no message.
    virtual void loadBackground(const Document& doc) = 0;
};

// True when a picture name holds a folder part ("/" or "\").
bool hasFolderPart(std::string_view name);

// The file a picture name stands for: the name itself when it holds a folder part, else the
// folder of the scheme file followed by the name.
std::string pictureFilePath(std::string_view name, std::string_view schemeFile);

} // namespace lumeris
