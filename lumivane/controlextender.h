#ifndef LUMIVANE_CONTROLEXTENDER_H
#define LUMIVANE_CONTROLEXTENDER_H

// The container's view of a control when the host gives none: the control's
// place in its parent widget in twips of the control's screen, reached by name
// as a host's extender is ("left", "Top", "Move").

#include <QObject>
#include <QPointer>

class QWidget;

class ControlExtender final : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double left READ left)
    Q_PROPERTY(double Top READ top)

public:
    explicit ControlExtender(QWidget *control);

    double left() const;
    double top() const;
    // Moves the control's top-left corner to left, top twips in its parent.
    Q_INVOKABLE void Move(double left, double top);

private:
    QPointer<QWidget> m_control;

    Q_DISABLE_COPY_MOVE(ControlExtender)
};

#endif
