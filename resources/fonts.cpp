#include "resources/fonts.h"

#include "resources/resourceinit.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

namespace {

const QString sansFamily = QStringLiteral("Liberation Sans");
const QString serifFamily = QStringLiteral("Liberation Serif");

bool registerAll()
{
    ensureBrimlowResources();
    const QStringList files = {
        QStringLiteral(":/brimlow/fonts/LiberationSans-Regular.ttf"),
        QStringLiteral(":/brimlow/fonts/LiberationSans-Bold.ttf"),
        QStringLiteral(":/brimlow/fonts/LiberationSerif-Regular.ttf"),
    };
    bool all = true;
    for (const QString &file : files) {
        // The font's bytes are handed over where they lie in the program, so
        // they are neither copied nor decompressed; only the parts the font
        // engine reads are ever loaded from the program file.
        const QResource resource(file);
        const int id = resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression
            ? QFontDatabase::addApplicationFontFromData(
                QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size()))
            : QFontDatabase::addApplicationFont(file);
        all = id >= 0 && all;
    }
    return all;
}

QFont pixelFont(const QString &family, int pixels)
{
    registerBrimlowFonts();
    QFont font(family);
    font.setPixelSize(pixels);
    // Only the embedded face is wanted, never a look-alike of the system's.
    font.setStyleStrategy(QFont::PreferMatch);
    return font;
}

} // namespace

bool registerBrimlowFonts()
{
    static const bool registered = registerAll();
    return registered;
}

QFont windowFont()
{
    return pixelFont(sansFamily, 11);
}

QFont frameCaptionFont()
{
    QFont font = windowFont();
    font.setBold(true);
    return font;
}

QFont flaskLabelFont()
{
    QFont font = pixelFont(serifFamily, 8);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}
