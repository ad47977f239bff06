// Printing: a frame as the screen shows it, stretched onto the page from its top-left corner
// to the largest size that keeps its aspect; or the whole scheme as vectors.
#pragma once

#include "view/qt/picture.h"

#include <QImage>

class QPrinter;

namespace lumeris {

// Prints one page holding the picture. Returns false when the printer could not start a
// document (nothing is printed then).
bool printPicture(const QImage& picture, QPrinter& printer);

// Prints the whole scheme on one page as vectors, fitted to the page with a margin, the page
// turned to landscape when the scheme is wider than tall; the display toggles are those of
// `current`. Returns false when the printer could not start a document.
bool printWholeScheme(PictureMaker& maker, const Scheme& scheme, const ViewState& current,
                      QPrinter& printer);

} // namespace lumeris
