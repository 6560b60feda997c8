#include "controlextender.h"

#include "movedrag.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

float twipsPerPixelX(const QWidget *control)
{
    return movedrag::twipsPerPixel(control->screen() ? control->screen()->logicalDotsPerInchX() : 96.0);
}

float twipsPerPixelY(const QWidget *control)
{
    return movedrag::twipsPerPixel(control->screen() ? control->screen()->logicalDotsPerInchY() : 96.0);
}

int toPixels(double twips, float perPixel)
{
    const double pixels = std::nearbyint(twips / double(perPixel));
    if (std::isnan(pixels))
        return 0;
    // Widget coordinates stay well inside what Qt can place.
    constexpr double limit = 1 << 24;
    return int(std::clamp(pixels, -limit, limit));
}

} // namespace

ControlExtender::ControlExtender(QWidget *control)
    : QObject(control)
    , m_control(control)
{
    setObjectName(QStringLiteral("Extender"));
}

double ControlExtender::left() const
{
    return m_control ? double(twipsPerPixelX(m_control)) * m_control->x() : 0.0;
}

double ControlExtender::top() const
{
    return m_control ? double(twipsPerPixelY(m_control)) * m_control->y() : 0.0;
}

void ControlExtender::Move(double left, double top)
{
    if (!m_control)
        return;
    m_control->move(toPixels(left, twipsPerPixelX(m_control)), toPixels(top, twipsPerPixelY(m_control)));
}
