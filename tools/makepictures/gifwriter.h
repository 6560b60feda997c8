#ifndef BRIMLOW_GIFWRITER_H
#define BRIMLOW_GIFWRITER_H

// Qt reads GIF but cannot write it; giflib writes the palette pictures.

#include <QImage>
#include <QString>

// Writes an 8-bit palette image as a GIF89a file with a 256-entry global colour
// table. Returns an empty text on success, else what went wrong.
QString writeGif(const QImage &indexed, const QString &fileName);

#endif
