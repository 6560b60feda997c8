#ifndef BRIMLOW_LABELFACE_H
#define BRIMLOW_LABELFACE_H

// The face of the flask's scale labels: a pixel face drawn by hand for the few
// characters the labels are made of (the digits, "." "," "E" "+" "-" and the
// blank), set pixel by pixel in one colour, with no smoothing.
//
// Why a face of its own: the labels are 8 pixels high and the right ones must
// end before the ticks at column 80, "8.88E+37" from column 50 and "8.8" from
// column 71. An outline face smoothed at that size blurs into grey over the
// fluid's dots, and the pixel faces Debian ships are too wide for it: Creep2
// and Atari Small set every character in a cell of 5 or 4 columns ("1.00E-05"
// takes 40 or 32), the 75-dpi Helvetica and Times at 8 pixels take 38 and 32
// for "8.88E+37". Here a digit is 3 columns wide (the "1" 2), the point and the
// comma 1, each glyph followed by one blank column, and a point shares the
// blank column of the digit before it.

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QStringView>

namespace labelface {

// Rows of a label from its top: the tick of the graduation lies on the top row,
// the glyphs from row 2 to 6, and the comma's tail on row 7.
inline constexpr int cellHeight = 8;
inline constexpr int inkTop = 2;

// Columns from a label's first column to the last one that it sets, plus one
// (0 for a text of blanks).
int inkWidth(QStringView text);

// Draws the text with its top-left corner at `topLeft`: each pixel of a glyph
// is set to `colour`, every other pixel is left as it was; pixels outside the
// image are skipped. A character the face lacks takes the place of a blank.
void draw(QImage &image, QPoint topLeft, QStringView text, QRgb colour);

} // namespace labelface

#endif
