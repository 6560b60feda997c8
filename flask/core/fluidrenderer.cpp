#include "flask/fluidrenderer.h"

#include "flask/flaskgeometry.h"

#include <algorithm>

namespace {

bool writable32(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        || image.format() == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

void FluidRenderer::draw(QImage &image, FluidMode mode, int topRow, int sparkleSpan)
{
    using namespace flaskgeometry;
    if (mode == FluidMode::None || image.isNull())
        return;
    if (!writable32(image))
        image.convertTo(QImage::Format_RGB32);
    const int lastColumn = std::min(fluidLastColumn, image.width() - 1);

    if (mode == FluidMode::LevelMarker) {
        if (topRow < 0 || topRow >= image.height())
            return;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(topRow));
        for (int x = fluidFirstColumn; x <= lastColumn; ++x)
            line[x] = fluidColour(mode);
        return;
    }

    const int bottomRow = std::min(scaleZeroRow, image.height() - 1);
    int firstRow = std::max(topRow, 0);
    firstRow += firstRow % 2; // the first even row at or below the top
    const QRgb colour = fluidColour(mode);
    uchar *const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int x = fluidFirstColumn; x <= lastColumn; x += 2) {
        for (int y = firstRow; y <= bottomRow; y += 2) {
            auto *pixel = reinterpret_cast<QRgb *>(bits + y * stride) + x;
            *pixel = mode == FluidMode::Sparkle ? sparklePaletteColour(m_sparkle.nextIndex(sparkleSpan))
                                                : colour;
        }
    }
}
