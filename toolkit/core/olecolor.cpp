#include "Formkit/olecolor.h"

#include <QGuiApplication>

namespace Formkit {

namespace olecolor {

QColor toQColor(OleColor c, const QPalette &palette)
{
    if (!isSystem(c))
        return QColor::fromRgb(plainRgb(c));

    // The desktop's system colour indices, mapped onto the palette roles that play
    // the same part in a Qt style.
    switch (c & 0xFFFFu) {
    case 0:
        return palette.color(QPalette::Button); // scroll bars
    case 1:
        return palette.color(QPalette::Window); // desktop
    case 2:
        return palette.color(QPalette::Highlight); // active caption
    case 3:
        return palette.color(QPalette::Mid); // inactive caption
    case 4:
        return palette.color(QPalette::Window); // menu
    case 5:
        return palette.color(QPalette::Base); // window background
    case 6:
        return palette.color(QPalette::Shadow); // window frame
    case 7:
        return palette.color(QPalette::WindowText); // menu text
    case 8:
        return palette.color(QPalette::Text); // window text
    case 9:
        return palette.color(QPalette::HighlightedText); // caption text
    case 10:
        return palette.color(QPalette::Mid); // active border
    case 11:
        return palette.color(QPalette::Midlight); // inactive border
    case 12:
        return palette.color(QPalette::Dark); // application workspace
    case 13:
        return palette.color(QPalette::Highlight);
    case 14:
        return palette.color(QPalette::HighlightedText);
    case 15:
        return palette.color(QPalette::Button); // button face
    case 16:
        return palette.color(QPalette::Dark); // button shadow
    case 17:
        return palette.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18:
        return palette.color(QPalette::ButtonText);
    case 19:
        return palette.color(QPalette::Disabled, QPalette::WindowText); // inactive caption text
    case 20:
        return palette.color(QPalette::Light); // 3D highlight
    case 21:
        return palette.color(QPalette::Shadow); // 3D dark shadow
    case 22:
        return palette.color(QPalette::Midlight); // 3D light
    case 23:
        return palette.color(QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    default:
        return QColor(Qt::black);
    }
}

QColor toQColor(OleColor c)
{
    return toQColor(c, QGuiApplication::palette());
}

} // namespace olecolor

} // namespace Formkit
