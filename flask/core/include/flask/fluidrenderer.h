#ifndef BRIMLOW_FLUIDRENDERER_H
#define BRIMLOW_FLUIDRENDERER_H

// Draws the fluid into a picture of the plain flask, pixel by pixel:
// a dot screen (every other column of every other row, so the glass's shading
// shows between the dots) from the top row down to the scale's zero, or for
// Level Marker Only a single black line at the top row.

#include "flask/fluidmode.h"
#include "flask/sparklegenerator.h"

#include <QImage>

class FluidRenderer final
{
public:
    // `image` holds the plain flask. Dots go on the even columns 6 to 86 and the
    // even rows from topRow to 232, so a top row beyond 232 draws nothing; the
    // level line goes on topRow itself. Pixels outside the image are skipped.
    // Sparkle draws one random palette index 0..sparkleSpan per dot, in the order
    // columns left to right, each column top to bottom.
    void draw(QImage &image, FluidMode mode, int topRow, int sparkleSpan);

private:
    SparkleGenerator m_sparkle;
};

#endif
