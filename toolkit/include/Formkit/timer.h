#ifndef FORMKIT_TIMER_H
#define FORMKIT_TIMER_H

/// \class Formkit::Timer
/// A timer with an interval and an enabled switch. Its timer() event comes from the
/// event loop, never inside another handler; a handler that disables the timer
/// makes it fire once per enabling.

#include "Formkit/formkitwidgets_export.h"

#include <QObject>
#include <QTimer>

namespace Formkit {

class FORMKITWIDGETS_EXPORT Timer final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)

public:
    /// A disabled timer with interval 0.
    explicit Timer(QObject *parent = nullptr);

    /// Milliseconds between ticks.
    int interval() const { return m_timer.interval(); }
    /// Sets the interval; a running timer restarts with it.
    void setInterval(int milliseconds);
    /// Whether the timer runs.
    bool isEnabled() const { return m_timer.isActive(); }

public slots:
    /// Starts or stops the timer.
    void setEnabled(bool enabled);

signals:
    /// One tick.
    void timer();

private:
    QTimer m_timer;

    Q_DISABLE_COPY_MOVE(Timer)
};

} // namespace Formkit

#endif
