#ifndef BRIMLOW_FLASKPICTURE_H
#define BRIMLOW_FLASKPICTURE_H

// The empty measuring cylinder, 92 x 236 pixels. The fluid drawing relies on
// its geometry: glass inside columns 6 to 86 and rows 11 to 232, dark walls in
// columns 5 and 87, the bottom outline from row 233, a rim across the top rows;
// outside the glass it has the window's background colour.

#include <QImage>

QImage makeFlaskPicture();

#endif
