// Printing a frame: what the screen shows, stretched onto the page from its top-left corner
// to the largest size that keeps its aspect.
#pragma once

#include <QImage>

class QPrinter;

namespace lumeris {

// Prints one page holding the picture. Returns false when the printer could not start a
// document (nothing is printed then).
bool printPicture(const QImage& picture, QPrinter& printer);

} // namespace lumeris
