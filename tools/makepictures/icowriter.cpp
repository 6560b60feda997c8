#include "icowriter.h"

#include <QByteArray>
#include <QFile>

namespace {

void put16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray &out, quint32 v)
{
    put16(out, quint16(v & 0xffff));
    put16(out, quint16(v >> 16));
}

} // namespace

QString writeIcon16(const QImage &indexed, int transparentEntry, const QString &fileName)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 16)
        return QStringLiteral("%1: not a 16-colour palette picture").arg(fileName);
    const int w = indexed.width();
    const int h = indexed.height();
    if (w > 255 || h > 255)
        return QStringLiteral("%1: too large for an icon").arg(fileName);

    // Rows are stored bottom-up and padded to 4 bytes, colour bitmap then mask.
    const int colourStride = ((w * 4 + 31) / 32) * 4;
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray bitmap;
    put32(bitmap, 40);
    put32(bitmap, quint32(w));
    put32(bitmap, quint32(h * 2)); // the height counts the colour bitmap and the mask
    put16(bitmap, 1);
    put16(bitmap, 4);
    put32(bitmap, 0);
    put32(bitmap, quint32((colourStride + maskStride) * h));
    put32(bitmap, 0);
    put32(bitmap, 0);
    put32(bitmap, 16);
    put32(bitmap, 0);
    for (int i = 0; i < 16; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        bitmap.append(char(qBlue(c)));
        bitmap.append(char(qGreen(c)));
        bitmap.append(char(qRed(c)));
        bitmap.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int entry = line[x] == transparentEntry ? 0 : line[x];
            row[x / 2] = char(uchar(row[x / 2]) | (x % 2 == 0 ? entry << 4 : entry));
        }
        bitmap.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            if (line[x] == transparentEntry)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        }
        bitmap.append(row);
    }

    QByteArray file;
    put16(file, 0);
    put16(file, 1); // an icon, not a cursor
    put16(file, 1);
    file.append(char(w));
    file.append(char(h));
    file.append(char(16));
    file.append(char(0));
    put16(file, 1);
    put16(file, 4);
    put32(file, quint32(bitmap.size()));
    put32(file, 6 + 16);
    file.append(bitmap);

    QFile out(fileName);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
        return QStringLiteral("%1: %2").arg(fileName, out.errorString());
    return QString();
}
