#include "flask/flaskview.h"

#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "formstate/formprocedures.h"
#include "formstate/formstate.h"

using Formkit::OptionButton;
using Formkit::PictureBox;

FlaskView::FlaskView(
    FormState &state, FormProcedures &procedures, const FlaskWidgets &widgets, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_procedures(procedures)
    , m_widgets(widgets)
{
    for (OptionButton *option : { m_widgets.optionblue, m_widgets.optionred, m_widgets.optionsparkle,
             m_widgets.optionwhite, m_widgets.optionLevel }) {
        if (option)
            connect(option, &OptionButton::clicked, this, &FlaskView::fluidOptionClick);
    }
}

FluidMode FlaskView::fluidMode() const
{
    auto selected = [](const OptionButton *option) { return option && option->value(); };
    return fluidModeOf(selected(m_widgets.optionblue), selected(m_widgets.optionred),
        selected(m_widgets.optionsparkle), selected(m_widgets.optionwhite), selected(m_widgets.optionLevel));
}

void FlaskView::update_framestatic(int topRow, int sparkleSpan)
{
    PictureBox *buffer = m_widgets.picflaskbuffer;
    buffer->cls();
    const FluidMode mode = fluidMode();
    if (mode == FluidMode::None)
        return;
    buffer->drawPixels([&](QImage &image) { m_renderer.draw(image, mode, topRow, sparkleSpan); });
}

void FlaskView::showFlask()
{
    const PictureBox *buffer = m_widgets.picflaskbuffer;
    m_widgets.picFlask->bitBlt(*buffer, QRect(QPoint(0, 0), buffer->image().size()), QPoint(0, 0));
}

void FlaskView::fluidOptionClick()
{
    if (!m_state.skipColourClick) {
        m_procedures.lookupFromFactor();
        m_procedures.lookupToFactor();
        m_procedures.updateConversion();
    }
    m_state.skipColourClick = false;
}
