#ifndef FORMKIT_TIMER_H
#define FORMKIT_TIMER_H

/// \class Formkit::Timer
/// A timer with an interval and an enabled switch. Its timer() event comes from the
/// event loop, never inside another handler; a handler that disables the timer
/// makes it fire once per enabling.

#include "Formkit/formkitwidgets_export.h"

#include <QObject>

#include <memory>

namespace Formkit {

class TimerPrivate;

class FORMKITWIDGETS_EXPORT Timer final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)

public:
    /// A disabled timer with interval 0.
    explicit Timer(QObject *parent = nullptr);
    /// Stops the timer.
    ~Timer() override;

    /// Milliseconds between ticks.
    int interval() const;
    /// Sets the interval; a running timer restarts with it.
    void setInterval(int milliseconds);
    /// Whether the timer runs.
    bool isEnabled() const;

public slots:
    /// Starts or stops the timer.
    void setEnabled(bool enabled);

signals:
    /// One tick.
    void timer();

private:
    Q_DECLARE_PRIVATE(Timer)
    const std::unique_ptr<TimerPrivate> d_ptr;

    Q_DISABLE_COPY_MOVE(Timer)
};

} // namespace Formkit

#endif
