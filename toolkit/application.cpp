#include "Formkit/application.h"

#include "Formkit/twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace Formkit {

QSize screenSizeTwips()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->geometry().size() : QSize(1024, 768);
    return QSize(twips::fromPixels(pixels.width()), twips::fromPixels(pixels.height()));
}

} // namespace Formkit
