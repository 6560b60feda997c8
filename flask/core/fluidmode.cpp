#include "flask/fluidmode.h"

FluidMode fluidModeOf(bool aqua, bool red, bool sparkle, bool yellow, bool levelMarker)
{
    if (aqua)
        return FluidMode::Aqua;
    if (red)
        return FluidMode::Red;
    if (sparkle)
        return FluidMode::Sparkle;
    if (yellow)
        return FluidMode::Yellow;
    if (levelMarker)
        return FluidMode::LevelMarker;
    return FluidMode::None;
}

QRgb fluidColour(FluidMode mode)
{
    switch (mode) {
    case FluidMode::Aqua:
        return qRgb(0, 255, 255);
    case FluidMode::Red:
        return qRgb(255, 0, 0);
    case FluidMode::Yellow:
        return qRgb(255, 255, 0);
    case FluidMode::None:
    case FluidMode::Sparkle:
    case FluidMode::LevelMarker:
        break;
    }
    return qRgb(0, 0, 0);
}
