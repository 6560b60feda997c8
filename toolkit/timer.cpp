#include "Formkit/timer.h"

#include <QTimer>

namespace Formkit {

class TimerPrivate
{
public:
    QTimer timer;
};

Timer::Timer(QObject *parent)
    : QObject(parent)
    , d_ptr(std::make_unique<TimerPrivate>())
{
    Q_D(Timer);
    d->timer.setTimerType(Qt::PreciseTimer);
    connect(&d->timer, &QTimer::timeout, this, &Timer::timer);
}

Timer::~Timer() = default;

int Timer::interval() const
{
    Q_D(const Timer);
    return d->timer.interval();
}

bool Timer::isEnabled() const
{
    Q_D(const Timer);
    return d->timer.isActive();
}

void Timer::setInterval(int milliseconds)
{
    Q_D(Timer);
    d->timer.setInterval(qMax(0, milliseconds));
}

void Timer::setEnabled(bool enabled)
{
    Q_D(Timer);
    if (enabled)
        d->timer.start();
    else
        d->timer.stop();
}

} // namespace Formkit
