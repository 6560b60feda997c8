#ifndef BRIMLOW_DRAGBAND_H
#define BRIMLOW_DRAGBAND_H

// Which mouse rows of the flask a drag of the fluid level accepts, and the row
// the fluid is then drawn from.

#include <QtGlobal>

// From the scale's top (row 18) to its zero (row 232). With a scale top of
// 10^17 or more the band starts at row 22 instead.
bool isInDragBand(float y, qint16 scaleExponent);

// The mouse row rounded to the nearest pixel row, halves to even (100.5 gives
// 100, 101.5 gives 102), so the fluid stands right under the pointer.
int dragTopRow(float y);

#endif
