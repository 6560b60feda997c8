#ifndef BRIMLOW_INDEXEDIMAGE_H
#define BRIMLOW_INDEXEDIMAGE_H

// Turns a drawn true-colour picture into a palette picture without dithering:
// every distinct colour gets its own entry, in the order given by `leading`
// first (so the background can be entry 0), then in order of first use.

#include <QImage>
#include <QList>
#include <optional>

std::optional<QImage> toIndexed(const QImage &image, const QList<QRgb> &leading, int tableSize);

#endif
