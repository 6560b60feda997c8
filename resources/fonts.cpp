#include "resources/fonts.h"

#include "resources/resourceinit.h"

#include <QFontDatabase>
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
    for (const QString &file : files)
        all = QFontDatabase::addApplicationFont(file) >= 0 && all;
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
