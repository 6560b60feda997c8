#ifndef FORMKIT_TWIPS_H
#define FORMKIT_TWIPS_H

/// \file
/// Positions and sizes of the saved window layout are in twips: 1440 to the inch,
/// 15 to a pixel at 96 dots per inch.

#include <QRect>

namespace Formkit {

/// Twips and pixels.
namespace twips {

/// Twips to one pixel.
inline constexpr int perPixel = 15;

/// Twips to whole pixels, rounded.
constexpr int toPixels(int twips)
{
    return (twips + perPixel / 2) / perPixel;
}
/// Pixels to twips.
constexpr int fromPixels(int pixels)
{
    return pixels * perPixel;
}

/// A rectangle given in twips, in pixels.
constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace twips

} // namespace Formkit

#endif
