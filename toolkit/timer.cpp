#include "Formkit/timer.h"

namespace Formkit {

Timer::Timer(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Timer::timer);
}

void Timer::setInterval(int milliseconds)
{
    m_timer.setInterval(qMax(0, milliseconds));
}

void Timer::setEnabled(bool enabled)
{
    if (enabled)
        m_timer.start();
    else
        m_timer.stop();
}

} // namespace Formkit
