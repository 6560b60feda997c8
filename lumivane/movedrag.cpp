#include "movedrag.h"

#include <cmath>
#include <limits>

namespace movedrag {

float twipsPerPixel(qreal logicalDotsPerInch)
{
    if (!(logicalDotsPerInch > 0))
        return 15.0f; // a screen that reports nothing: 96 dots per inch
    return float(1440.0 / logicalDotsPerInch);
}

qint32 offset(double containerPosition, float twipsPerPixel, int cursor)
{
    const double exact = containerPosition - double(twipsPerPixel) * double(cursor);
    if (std::isnan(exact))
        return 0;
    // nearbyint rounds half to even in the default rounding mode.
    const double rounded = std::nearbyint(exact);
    constexpr double low = std::numeric_limits<qint32>::min();
    constexpr double high = std::numeric_limits<qint32>::max();
    if (rounded <= low)
        return std::numeric_limits<qint32>::min();
    if (rounded >= high)
        return std::numeric_limits<qint32>::max();
    return qint32(rounded);
}

} // namespace movedrag
