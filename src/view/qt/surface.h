// The canvas's drawing surface: a persistent back buffer that frames are drawn on, and the
// front image that the widget shows and that pixel reads come from. 24-bit colour is kept
// in Format_RGB32 because Qt draws lines into it many times faster than into RGB888.
#pragma once

#include <QImage>

namespace lumeris {

class Surface {
  public:
    void resize(int width, int height);
    // Copies the back buffer to the front image.
    void present();
    // A fast scroll: the front image drawn onto the back buffer at (dx, dy), what it leaves
    // uncovered filled with #FBFBFB, then presented.
    void scrollFront(int dx, int dy);
    QRgb pixelAt(int x, int y) const; // from the front image; black outside it

    QImage Back;
    QImage Front;
    int Presented = 0; // frames presented so far
};

} // namespace lumeris
