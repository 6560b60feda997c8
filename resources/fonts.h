#ifndef BRIMLOW_FONTS_H
#define BRIMLOW_FONTS_H

// The program's fonts travel inside it (Liberation Sans and Liberation Serif),
// so the window looks the same on every machine. Sizes are in pixels: the
// window's layout and the flask are measured in pixels at 96 dots per inch
// whatever the screen's resolution.
//
// All of these need a QGuiApplication; each registers the fonts on first use.

#include <QFont>

// Registers the embedded fonts with the application (once; later calls do
// nothing). Returns false if any of them could not be registered.
bool registerBrimlowFonts();

// The window's default font: sans serif, 8.25 points (11 pixels).
QFont windowFont();

// Frame captions: the window font in bold.
QFont frameCaptionFont();

// The font of the two flask picture boxes: serif, 6 points (8 pixels), hinted
// for the screen. The scale's labels are not drawn in it but in the pixel face
// of labelface.h, which stays crisp and narrow at that size.
QFont flaskLabelFont();

#endif
