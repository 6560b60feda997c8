#ifndef BRIMLOW_FLASKGEOMETRY_H
#define BRIMLOW_FLASKGEOMETRY_H

// Where things are in the flask picture, in its pixels (origin top left, y
// downwards). Both flask picture boxes measure in exactly these pixels.

#include <cmath>

namespace flaskgeometry {

inline constexpr int pictureWidth = 92;
inline constexpr int pictureHeight = 236;

// The glass the fluid fills, between the dark walls at columns 5 and 87.
inline constexpr int fluidFirstColumn = 6;
inline constexpr int fluidLastColumn = 86;

// The scale: empty at row 232, full at row 18.
inline constexpr int scaleZeroRow = 232;
inline constexpr int scaleTopRow = 18;
inline constexpr int scaleSpanRows = scaleZeroRow - scaleTopRow;

// Row of a fraction of the full scale, rounded toward the top of the picture's
// numbering (floor), so a fraction never reads above its true level.
inline int rowForFraction(double fraction)
{
    return int(std::floor(scaleZeroRow - scaleSpanRows * fraction));
}

} // namespace flaskgeometry

#endif
