#ifndef LUMIVANE_MASKREGION_H
#define LUMIVANE_MASKREGION_H

// The shape of a masked surface: every pixel of the mask picture whose colour
// differs from the mask colour.

#include <QImage>
#include <QRegion>

namespace maskregion {

// Alpha is ignored; the region is in the picture's pixel coordinates.
QRegion visibleRegion(const QImage &maskPicture, QRgb maskColour);

} // namespace maskregion

#endif
