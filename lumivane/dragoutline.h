#ifndef LUMIVANE_DRAGOUTLINE_H
#define LUMIVANE_DRAGOUTLINE_H

// The outline that follows the cursor while a control is dragged: a dotted
// rectangle on the screen, drawn in frameless top-level windows that let the
// mouse through. Drawing an outline where the same one is shown removes it, as an
// exclusive-or rectangle would, so drawing each outline twice leaves nothing
// behind; the outlines still shown go with this object.

#include <QList>
#include <QObject>
#include <QRect>

class QWidget;

class DragOutline final : public QObject
{
    Q_OBJECT

public:
    explicit DragOutline(QObject *parent = nullptr);
    ~DragOutline() override;

    // Draws the outline of screenRect, or removes it when it is shown already.
    void draw(const QRect &screenRect);

    // The outlines shown, in screen pixels, oldest first.
    QList<QRect> shown() const;

private:
    QList<QWidget *> m_frames;

    Q_DISABLE_COPY_MOVE(DragOutline)
};

#endif
