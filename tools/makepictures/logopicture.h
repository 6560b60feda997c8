#ifndef BRIMLOW_LOGOPICTURE_H
#define BRIMLOW_LOGOPICTURE_H

// The program's name in outlined, joined-up lettering on a plain grey
// (190, 190, 190) ground, 92 x 49 pixels. The ground is shown see-through, so
// no pixel outside the lettering may differ from it and no edge pixel may be a
// near-grey blend: the lettering is drawn hard-edged.

#include <QImage>
#include <QString>

inline constexpr QRgb logoBackground = 0xffbebebe;

// `fontFile` is a script font; returns a null image if it cannot be loaded.
QImage makeLogoPicture(const QString &fontFile);

#endif
