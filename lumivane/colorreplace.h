#ifndef LUMIVANE_COLORREPLACE_H
#define LUMIVANE_COLORREPLACE_H

// Replacing one colour of a surface by another, with the result of the classic
// monochrome-mask technique (four block transfers): a pixel of fromColour
// becomes (fromColour AND foreground) OR toColour, which is toColour when the
// foreground is black; every other pixel stays as it was.

#include <QImage>

namespace colorreplace {

// Works on a 32-bit image (RGB32 or ARGB32); other formats are converted to RGB32
// first. Colours are QRgb values; their alpha is ignored.
void replaceColor(QImage &image, QRgb fromColour, QRgb toColour, QRgb foreground);

} // namespace colorreplace

#endif
