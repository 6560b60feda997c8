#ifndef BRIMLOW_ICONPICTURE_H
#define BRIMLOW_ICONPICTURE_H

// The window icon: a small measuring cylinder with yellow fluid, 16 x 16 in the
// classic 16-colour palette; palette entry `iconTransparentEntry` is see-through.

#include <QImage>

inline constexpr int iconTransparentEntry = 13;

QImage makeIconPicture();

#endif
