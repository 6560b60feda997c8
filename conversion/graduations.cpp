#include "conversion/graduations.h"

#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "conversion/graduationlayout.h"
#include "formstate/formstate.h"
#include "resources/labelface.h"

using Formkit::PictureBox;

namespace {

QRgb inkOf(LabelColour colour)
{
    switch (colour) {
    case LabelColour::Yellow:
        return qRgb(255, 255, 0);
    case LabelColour::White:
        return qRgb(255, 255, 255);
    case LabelColour::Black:
        break;
    }
    return qRgb(0, 0, 0);
}

} // namespace

Graduations::Graduations(const FormState &state, const GraduationWidgets &widgets)
    : m_state(state)
    , m_widgets(widgets)
{
    Q_ASSERT_X(
        widgets.optionred && widgets.optionsparkle, "Graduations", "both hidden fluid options are needed");
}

void Graduations::drawGraduations(PictureBox *target, ScaleVariant variant)
{
    Q_ASSERT_X(target, "Graduations::drawGraduations", "no target");
    const bool contrast = m_widgets.optionred->value() || m_widgets.optionsparkle->value();
    const GraduationLayout layout = graduationLayout(variant, m_state.scaleExponent,
        m_state.fractionScaleExponent, m_state.fromFactor, m_state.toFactor, contrast);

    {
        // Twenty ticks: one painter for all of them.
        const PictureBox::Batch batch(*target);
        target->setForeColor(Qt::black);
        for (const GraduationLabel &label : layout) {
            target->line(leftTickFrom, label.row, leftTickTo, label.row);
            target->line(rightTickFrom, label.row, rightTickTo, label.row);
        }
    }
    // The labels hang below their ticks and end before the right ones, so
    // nothing they set is drawn over by a tick or the other way round. A value
    // beyond a Single has no text and draws nothing.
    target->drawPixels([&layout](QImage &image) {
        for (const GraduationLabel &label : layout)
            labelface::draw(
                image, QPoint(graduationLeftColumn, label.row), label.leftText, inkOf(label.colour));
        for (const GraduationLabel &label : layout)
            labelface::draw(
                image, QPoint(label.rightColumn, label.row), label.rightText, inkOf(label.colour));
    });
}
