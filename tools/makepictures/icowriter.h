#ifndef BRIMLOW_ICOWRITER_H
#define BRIMLOW_ICOWRITER_H

// A one-image icon file with a 16-colour (4 bits a pixel) bitmap and a
// transparency mask, the classic window icon format.

#include <QImage>
#include <QString>

// `indexed` is a palette image of at most 16 colours; pixels of entry
// `transparentEntry` become see-through (-1: none). Returns an empty text on
// success, else what went wrong.
QString writeIcon16(const QImage &indexed, int transparentEntry, const QString &fileName);

#endif
