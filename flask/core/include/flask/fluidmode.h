#ifndef BRIMLOW_FLUIDMODE_H
#define BRIMLOW_FLUIDMODE_H

// How the fluid is shown. The mode is never stored: it is read from the five
// fluid options at every redraw.

#include <QRgb>

enum class FluidMode {
    None, // no option selected: the plain flask
    Aqua,
    Red,
    Sparkle,
    Yellow,
    LevelMarker, // no fluid, a black line at the level
};

// The mode of the first selected option, tested in the order Aqua, Red,
// Sparkle, Yellow, Level Marker Only.
FluidMode fluidModeOf(bool aqua, bool red, bool sparkle, bool yellow, bool levelMarker);

// The colour of the fluid's dots or of the level line (Sparkle picks its own per
// dot; None draws nothing and has black here).
QRgb fluidColour(FluidMode mode);

#endif
