#ifndef BRIMLOW_APPICON_H
#define BRIMLOW_APPICON_H

// The application icon for desktops and menus: the window icon's measuring
// cylinder (rim, glass with a highlight, graduations, yellow fluid, grey foot)
// drawn anew for each size on whole pixels, so that every size is sharp
// rather than one picture scaled. The design is laid out on a 16-unit grid;
// at 16 pixels it is the window icon, pixel for pixel.

#include <QImage>
#include <QList>

// The sizes desktops ask for, in pixels.
inline const QList<int> appIconSizes { 16, 24, 32, 48, 64, 128, 256 };

// A size x size picture with an alpha channel; outside the cylinder is clear.
QImage makeAppIcon(int size);

#endif
