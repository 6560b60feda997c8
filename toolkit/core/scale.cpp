#include "Formkit/scale.h"

#include "Formkit/twips.h"

namespace Formkit {

class ScalePrivate
{
public:
    Scale::Mode mode;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

Scale::Scale(Mode mode)
    : d_ptr(std::make_unique<ScalePrivate>(ScalePrivate { mode }))
{ }

Scale::Scale(const Scale &other)
    : d_ptr(std::make_unique<ScalePrivate>(*other.d_ptr))
{ }

Scale &Scale::operator=(const Scale &other)
{
    if (this != &other)
        d_ptr = std::make_unique<ScalePrivate>(*other.d_ptr);
    return *this;
}

Scale::~Scale() = default;

Scale::Mode Scale::mode() const
{
    Q_D(const Scale);
    return d->mode;
}

void Scale::setMode(Mode mode)
{
    Q_D(Scale);
    d->mode = mode;
}

float Scale::left() const
{
    Q_D(const Scale);
    return d->mode == Mode::User ? d->left : 0.0f;
}

float Scale::top() const
{
    Q_D(const Scale);
    return d->mode == Mode::User ? d->top : 0.0f;
}

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
    Q_D(const Scale);
    if (d->mode == Mode::User)
        return d->width;
    return float(twips::fromPixels(area.width()) / twipsPerUnitX(d->mode));
}

float Scale::height(QSize area) const
{
    Q_D(const Scale);
    if (d->mode == Mode::User)
        return d->height;
    return float(twips::fromPixels(area.height()) / twipsPerUnitY(d->mode));
}

void Scale::makeUser(QSize area)
{
    Q_D(Scale);
    if (d->mode == Mode::User)
        return;
    d->left = left();
    d->top = top();
    d->width = width(area);
    d->height = height(area);
    d->mode = Mode::User;
}

void Scale::setLeft(float left, QSize area)
{
    Q_D(Scale);
    makeUser(area);
    d->left = left;
}

void Scale::setTop(float top, QSize area)
{
    Q_D(Scale);
    makeUser(area);
    d->top = top;
}

void Scale::setWidth(float width, QSize area)
{
    Q_D(Scale);
    makeUser(area);
    d->width = width;
}

void Scale::setHeight(float height, QSize area)
{
    Q_D(Scale);
    makeUser(area);
    d->height = height;
}

void Scale::set(float x1, float y1, float x2, float y2)
{
    Q_D(Scale);
    d->mode = Mode::User;
    d->left = x1;
    d->top = y1;
    d->width = x2 - x1;
    d->height = y2 - y1;
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
