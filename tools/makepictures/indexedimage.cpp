#include "indexedimage.h"

#include <QHash>

std::optional<QImage> toIndexed(const QImage &image, const QList<QRgb> &leading, int tableSize)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> table;
    QHash<QRgb, int> index;
    auto entryOf = [&](QRgb colour) -> int {
        colour |= 0xff000000u;
        const auto found = index.constFind(colour);
        if (found != index.constEnd())
            return *found;
        table.append(colour);
        index.insert(colour, int(table.size() - 1));
        return int(table.size() - 1);
    };
    for (QRgb colour : leading)
        entryOf(colour);

    QImage result(source.size(), QImage::Format_Indexed8);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = result.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            const int entry = entryOf(in[x]);
            if (entry > 255)
                return std::nullopt;
            out[x] = uchar(entry);
        }
    }
    if (table.size() > tableSize)
        return std::nullopt;
    while (table.size() < tableSize)
        table.append(qRgb(0, 0, 0));
    result.setColorTable(table);
    return result;
}
