#ifndef BRIMLOW_FLASKVIEW_H
#define BRIMLOW_FLASKVIEW_H

// The flask display: draws the fluid into the hidden buffer picflaskbuffer
// (update_framestatic), puts the finished buffer on the visible PicFlask in one
// block copy (showFlask), so the flask never flickers while it is redrawn on
// every mouse move of a drag, and handles the clicks of the five fluid options.
// The fluid mode is read from the options at each redraw; nothing else holds it.

#include "flask/flaskwidgets.h"
#include "flask/fluidmode.h"
#include "flask/fluidrenderer.h"

#include <QObject>

struct FormState;
class FormProcedures;

class FlaskView final : public QObject
{
    Q_OBJECT

public:
    // Connects itself to the Click of the five fluid options.
    FlaskView(
        FormState &state, FormProcedures &procedures, const FlaskWidgets &widgets, QObject *parent = nullptr);

    // Clears the buffer to the plain flask, then draws the fluid of the selected
    // mode from topRow down (or the level line on topRow). Nothing reaches the
    // screen until showFlask().
    void update_framestatic(int topRow, int sparkleSpan);

    // Copies the whole buffer onto PicFlask, pixel for pixel.
    void showFlask();

    FluidMode fluidMode() const;

public slots:
    // The Click of any fluid option: unless this is the click the window's load
    // caused (skipColourClick), look up both unit sizes again and convert, which
    // redraws the flask in the new mode.
    void fluidOptionClick();

private:
    FormState &m_state;
    FormProcedures &m_procedures;
    FlaskWidgets m_widgets;
    FluidRenderer m_renderer;

    Q_DISABLE_COPY_MOVE(FlaskView)
};

#endif
