#include "Formkit/scale.h"

#include "Formkit/twips.h"

namespace Formkit {

double Scale::twipsPerUnitX(Mode mode)
{
    switch (mode) {
    case Mode::User:
        return 0;
    case Mode::Twip:
        return 1;
    case Mode::Point:
        return 20;
    case Mode::Pixel:
        return twips::perPixel;
    case Mode::Character:
        return 120;
    case Mode::Inch:
        return 1440;
    case Mode::Millimeter:
        return 1440 / 25.4;
    case Mode::Centimeter:
        return 1440 / 2.54;
    }
    return 0;
}

double Scale::twipsPerUnitY(Mode mode)
{
    return mode == Mode::Character ? 240 : twipsPerUnitX(mode);
}

float Scale::width(QSize area) const
{
    if (m_mode == Mode::User)
        return m_width;
    return float(twips::fromPixels(area.width()) / twipsPerUnitX(m_mode));
}

float Scale::height(QSize area) const
{
    if (m_mode == Mode::User)
        return m_height;
    return float(twips::fromPixels(area.height()) / twipsPerUnitY(m_mode));
}

void Scale::makeUser(QSize area)
{
    if (m_mode == Mode::User)
        return;
    m_left = left();
    m_top = top();
    m_width = width(area);
    m_height = height(area);
    m_mode = Mode::User;
}

void Scale::setLeft(float left, QSize area)
{
    makeUser(area);
    m_left = left;
}

void Scale::setTop(float top, QSize area)
{
    makeUser(area);
    m_top = top;
}

void Scale::setWidth(float width, QSize area)
{
    makeUser(area);
    m_width = width;
}

void Scale::setHeight(float height, QSize area)
{
    makeUser(area);
    m_height = height;
}

void Scale::set(float x1, float y1, float x2, float y2)
{
    m_mode = Mode::User;
    m_left = x1;
    m_top = y1;
    m_width = x2 - x1;
    m_height = y2 - y1;
}

QPointF Scale::toPixels(QPointF point, QSize area) const
{
    const float w = width(area);
    const float h = height(area);
    const double sx = w != 0 ? area.width() / double(w) : 1.0;
    const double sy = h != 0 ? area.height() / double(h) : 1.0;
    return QPointF((point.x() - left()) * sx, (point.y() - top()) * sy);
}

QPointF Scale::fromPixels(QPointF pixels, QSize area) const
{
    const double sx = area.width() != 0 ? double(width(area)) / area.width() : 1.0;
    const double sy = area.height() != 0 ? double(height(area)) / area.height() : 1.0;
    return QPointF(left() + pixels.x() * sx, top() + pixels.y() * sy);
}

} // namespace Formkit
