// A picture decoded by Qt, owned by an item (its photo) through the core's Picture handle.
#pragma once

#include "model/objects.h"

#include <QImage>

namespace lumeris {

struct QtPicture : Picture {
    explicit QtPicture(QImage picture) : image(std::move(picture)) {}
    QImage image;
};

} // namespace lumeris
