#ifndef BRIMLOW_FLASKDRAG_H
#define BRIMLOW_FLASKDRAG_H

// Setting the volume by dragging the fluid level in PicFlask with the left
// button. Every accepted mouse row fills the volume and result boxes for that
// level and redraws the flask from it, scale included, into the buffer before
// one copy to the screen. A drag never runs the conversion: the scale keeps the
// top value and variant of the last one.
//
// The drag ends only when the left button is released. Qt keeps sending the
// mouse to PicFlask while a button is held, so a drag that leaves the flask
// goes on and its release still arrives.

#include "flask/flaskwidgets.h"

#include <QObject>

struct FormState;
class FormProcedures;

class FlaskDrag final : public QObject
{
    Q_OBJECT

public:
    // Connects itself to PicFlask's mouse events.
    FlaskDrag(
        FormState &state, FormProcedures &procedures, const FlaskWidgets &widgets, QObject *parent = nullptr);

public slots:
    // PicFlask's MouseDown, MouseMove and MouseUp (button 1 is the left one).
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);

private:
    void applyFlaskPosition(float y);

    FormState &m_state;
    FormProcedures &m_procedures;
    FlaskWidgets m_widgets;

    Q_DISABLE_COPY_MOVE(FlaskDrag)
};

#endif
