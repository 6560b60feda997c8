#include "flask/flaskdrag.h"

#include "Formkit/commandbutton.h"
#include "Formkit/picturebox.h"
#include "flask/dragband.h"
#include "formstate/formprocedures.h"
#include "formstate/formstate.h"

using Formkit::PictureBox;

namespace {
constexpr int leftButton = 1;
constexpr int dragSparkleSpan = 12;
} // namespace

FlaskDrag::FlaskDrag(
    FormState &state, FormProcedures &procedures, const FlaskWidgets &widgets, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_procedures(procedures)
    , m_widgets(widgets)
{
    connect(m_widgets.picFlask, &PictureBox::mouseDown, this, &FlaskDrag::mouseDown);
    connect(m_widgets.picFlask, &PictureBox::mouseMove, this, &FlaskDrag::mouseMove);
    connect(m_widgets.picFlask, &PictureBox::mouseUp, this, &FlaskDrag::mouseUp);
}

void FlaskDrag::mouseDown(int button, int, float, float y)
{
    if (button == leftButton && isInDragBand(y, m_state.scaleExponent))
        applyFlaskPosition(y);
}

void FlaskDrag::mouseMove(int, int, float, float y)
{
    if (m_state.draggingFlask && isInDragBand(y, m_state.scaleExponent))
        applyFlaskPosition(y);
}

void FlaskDrag::mouseUp(int button, int, float, float)
{
    if (button == leftButton)
        m_state.draggingFlask = false;
}

void FlaskDrag::applyFlaskPosition(float y)
{
    // The volume box's change must not start a conversion while the level is dragged.
    m_state.volumeEditLive = false;
    m_widgets.saveCmnd->setEnabled(true);
    m_widgets.makeFileCmnd->setEnabled(m_state.gridHasRows);
    m_procedures.setVolumeFromLevel(y);
    m_state.draggingFlask = true;
    m_procedures.update_framestatic(dragTopRow(y), dragSparkleSpan);
    m_procedures.drawGraduations(
        m_widgets.picflaskbuffer, m_state.volumeAtLeastOne ? ScaleVariant::Large : ScaleVariant::Small);
    m_procedures.showFlask();
}
