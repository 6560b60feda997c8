#include "iconpicture.h"

#include <QList>

namespace {

// The classic 16-colour icon palette, in its usual order.
const QList<QRgb> palette = {
    qRgb(0, 0, 0),
    qRgb(128, 0, 0),
    qRgb(0, 128, 0),
    qRgb(128, 128, 0),
    qRgb(0, 0, 128),
    qRgb(128, 0, 128),
    qRgb(0, 128, 128),
    qRgb(192, 192, 192),
    qRgb(128, 128, 128),
    qRgb(255, 0, 0),
    qRgb(0, 255, 0),
    qRgb(255, 255, 0),
    qRgb(0, 0, 255),
    qRgb(255, 0, 255),
    qRgb(0, 255, 255),
    qRgb(255, 255, 255),
};

// k black, g grey, s silver, w white, y yellow, o olive, t teal, . see-through
const char *const rows[16] = {
    "................",
    "..kkkkkkkkkkkk..",
    "..kwwwwsssssgk..",
    "..kkkkkkkkkkkk..",
    "...kwsssssstk...",
    "...kwssssskkk...",
    "...kwsssssstk...",
    "...kwsssssskk...",
    "...kwsssssstk...",
    "...kyyyyykkkk...",
    "...kyyyyyyyok...",
    "...kyyyyyyykk...",
    "...kyyyyyyyok...",
    "..kkkkkkkkkkkk..",
    ".kggggggggggggk.",
    ".kkkkkkkkkkkkkk.",
};

int entryFor(char c)
{
    switch (c) {
    case 'k':
        return 0;
    case 'o':
        return 3;
    case 't':
        return 6;
    case 's':
        return 7;
    case 'g':
        return 8;
    case 'y':
        return 11;
    case 'w':
        return 15;
    default:
        return iconTransparentEntry;
    }
}

} // namespace

QImage makeIconPicture()
{
    QImage image(16, 16, QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, uint(entryFor(rows[y][x])));
    }
    return image;
}
