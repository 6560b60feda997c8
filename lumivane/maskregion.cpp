#include "maskregion.h"

#include <vector>

namespace maskregion {

QRegion visibleRegion(const QImage &maskPicture, QRgb maskColour)
{
    if (maskPicture.isNull())
        return {};
    const QImage image
        = maskPicture.format() == QImage::Format_RGB32 || maskPicture.format() == QImage::Format_ARGB32
        ? maskPicture
        : maskPicture.convertToFormat(QImage::Format_RGB32);
    const QRgb see = maskColour & 0xFFFFFFu;
    // One rectangle per run of shown pixels in a row; QRegion merges them.
    std::vector<QRect> runs;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && (line[x] & 0xFFFFFFu) == see)
                ++x;
            const int start = x;
            while (x < width && (line[x] & 0xFFFFFFu) != see)
                ++x;
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), int(runs.size()));
    return region;
}

} // namespace maskregion
