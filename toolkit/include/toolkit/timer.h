#ifndef BRIMLOW_TIMER_H
#define BRIMLOW_TIMER_H

// A timer with an interval and an enabled switch. Its timer() event comes from the
// event loop, never inside another handler; a handler that disables the timer
// makes it fire once per enabling.

#include "toolkit/formruntime_export.h"

#include <QObject>
#include <QTimer>

class FORMRUNTIME_EXPORT Timer final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)

public:
    explicit Timer(QObject *parent = nullptr);

    int interval() const { return m_timer.interval(); }
    void setInterval(int milliseconds);
    bool isEnabled() const { return m_timer.isActive(); }

public slots:
    void setEnabled(bool enabled);

signals:
    void timer();

private:
    QTimer m_timer;

    Q_DISABLE_COPY_MOVE(Timer)
};

#endif
