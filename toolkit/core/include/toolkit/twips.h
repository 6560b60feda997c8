#ifndef BRIMLOW_TWIPS_H
#define BRIMLOW_TWIPS_H

// Positions and sizes of the saved window layout are in twips: 1440 to the inch,
// 15 to a pixel at 96 dots per inch.

#include <QRect>

namespace twips {

inline constexpr int perPixel = 15;

constexpr int toPixels(int twips) { return (twips + perPixel / 2) / perPixel; }
constexpr int fromPixels(int pixels) { return pixels * perPixel; }

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace twips

#endif
