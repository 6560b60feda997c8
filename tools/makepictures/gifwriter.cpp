#include "gifwriter.h"

#include <QFile>
#include <gif_lib.h>
#include <vector>

QString writeGif(const QImage &indexed, const QString &fileName)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() != 256)
        return QStringLiteral("%1: not a 256-colour palette picture").arg(fileName);

    int error = 0;
    GifFileType *gif = EGifOpenFileName(QFile::encodeName(fileName).constData(), false, &error);
    if (!gif)
        return QStringLiteral("%1: %2").arg(fileName, QString::fromLatin1(GifErrorString(error)));
    EGifSetGifVersion(gif, true);

    ColorMapObject *map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i) {
        const QRgb colour = indexed.color(i);
        map->Colors[i] = GifColorType { GifByteType(qRed(colour)), GifByteType(qGreen(colour)),
            GifByteType(qBlue(colour)) };
    }

    QString failure;
    if (EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_ERROR
        || EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_ERROR) {
        failure = QString::fromLatin1(GifErrorString(gif->Error));
    }
    std::vector<GifPixelType> line(size_t(indexed.width()));
    for (int y = 0; failure.isEmpty() && y < indexed.height(); ++y) {
        const uchar *row = indexed.constScanLine(y);
        std::copy(row, row + indexed.width(), line.begin());
        if (EGifPutLine(gif, line.data(), indexed.width()) == GIF_ERROR)
            failure = QString::fromLatin1(GifErrorString(gif->Error));
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) == GIF_ERROR && failure.isEmpty())
        failure = QString::fromLatin1(GifErrorString(error));
    if (!failure.isEmpty())
        return QStringLiteral("%1: %2").arg(fileName, failure);
    // giflib creates the file readable by its owner only.
    QFile::setPermissions(
        fileName, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return QString();
}
