#include "flask/dragband.h"

#include "flask/flaskgeometry.h"

#include <cmath>

bool isInDragBand(float y, qint16 scaleExponent)
{
    // Scales of 10^17 and above keep the pointer off the top four rows.
    const float top = scaleExponent >= 17 ? 22.0f : float(flaskgeometry::scaleTopRow);
    return y >= top && y <= float(flaskgeometry::scaleZeroRow);
}

int dragTopRow(float y)
{
    // The default floating-point rounding mode rounds halves to even.
    return int(std::nearbyint(y));
}
