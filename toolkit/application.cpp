#include "toolkit/application.h"

#include "toolkit/twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace toolkit {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString joinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QSize screenSizeTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return QSize(twips::fromPixels(pixels.width()), twips::fromPixels(pixels.height()));
}

} // namespace toolkit
