#include "colorreplace.h"

namespace colorreplace {

void replaceColor(QImage &image, QRgb fromColour, QRgb toColour, QRgb foreground)
{
    if (image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image.convertTo(QImage::Format_RGB32);

    const QRgb from = fromColour & 0xFFFFFFu;
    // The mask ANDs the matching pixels with the foreground (the surface's text
    // colour) before the colour bitmap ORs the new colour in.
    const QRgb replacement = ((from & foreground) | toColour) & 0xFFFFFFu;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((line[x] & 0xFFFFFFu) == from)
                line[x] = (line[x] & 0xFF000000u) | replacement;
        }
    }
}

} // namespace colorreplace
