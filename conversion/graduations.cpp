#include "conversion/graduations.h"

#include "formstate/formstate.h"
#include "conversion/graduationlayout.h"
#include "toolkit/optionbutton.h"
#include "toolkit/picturebox.h"

namespace {

QColor inkOf(LabelColour colour)
{
    switch (colour) {
    case LabelColour::Yellow:
        return QColor(255, 255, 0);
    case LabelColour::White:
        return QColor(255, 255, 255);
    case LabelColour::Black:
        break;
    }
    return QColor(0, 0, 0);
}

void printAt(PictureBox *target, LabelColour colour, int column, int row, const QString &text)
{
    if (text.isEmpty())
        return; // a value beyond a Single has no label
    target->setForeColor(inkOf(colour));
    target->setCurrentX(float(column));
    target->setCurrentY(float(row));
    target->print(text);
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

    // Twenty ticks and up to twenty labels: one painter for all of them.
    const PictureBox::Batch batch(*target);
    for (const GraduationLabel &label : layout) {
        target->setForeColor(Qt::black);
        target->line(leftTickFrom, label.row, leftTickTo, label.row);
        target->line(rightTickFrom, label.row, rightTickTo, label.row);
        printAt(target, label.colour, graduationLeftColumn, label.row, label.leftText);
    }
    for (const GraduationLabel &label : layout)
        printAt(target, label.colour, label.rightColumn, label.row, label.rightText);
}
