#include "conversion/conversion.h"

#include "Formkit/messagebox.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "conversion/conversionarithmetic.h"
#include "formstate/formprocedures.h"
#include "formstate/formstate.h"

using Formkit::MessageBox;

namespace {

// The sparkle palette span of a redraw after a conversion.
constexpr int conversionSparkleSpan = 10;

} // namespace

Conversion::Conversion(FormState &state, FormProcedures &procedures, const ConversionWidgets &widgets)
    : m_state(state)
    , m_procedures(procedures)
    , m_widgets(widgets)
{
    Q_ASSERT_X(widgets.text1 && widgets.text2 && widgets.picFlask, "Conversion", "every widget is needed");
}

void Conversion::updateConversion()
{
    if (conversionPathFor(m_widgets.text1->text()) == ConversionPath::AtLeastOne)
        do_integerpositive();
    else
        do_decimalpositive();
}

void Conversion::do_integerpositive()
{
    const ConversionOutcome outcome
        = convertAtLeastOne(m_widgets.text1->text(), m_state.fromFactor, m_state.toFactor);
    if (!outcome.ok()) {
        if (reject(outcome.fault))
            m_widgets.text1->setFocus();
        return;
    }
    m_state.scaleExponent = outcome.scaleExponent;
    apply(outcome);
}

void Conversion::do_decimalpositive()
{
    const ConversionOutcome outcome
        = convertBelowOne(m_widgets.text1->text(), m_state.fromFactor, m_state.toFactor);
    if (!outcome.ok()) {
        reject(outcome.fault);
        return;
    }
    m_state.fractionScaleExponent = outcome.fractionScaleExponent;
    apply(outcome);
}

void Conversion::apply(const ConversionOutcome &outcome)
{
    const bool atLeastOne = outcome.path == ConversionPath::AtLeastOne;
    m_state.volumeValue = outcome.volumeValue;
    m_state.volumeAtLeastOne = atLeastOne;
    m_state.resultValue = outcome.resultValue;
    m_state.levelFraction = outcome.levelFraction;
    m_state.fluidTopRow = outcome.fluidTopRow;
    for (const QString &text : outcome.resultWrites)
        m_widgets.text2->setText(text);

    m_procedures.update_framestatic(m_state.fluidTopRow, conversionSparkleSpan);
    m_procedures.showFlask();
    m_procedures.drawGraduations(m_widgets.picFlask, atLeastOne ? ScaleVariant::Large : ScaleVariant::Small);
}

bool Conversion::reject(ConversionFault fault)
{
    if (fault == ConversionFault::NoUnitSize) {
        // A unit's size could not be read, and the unit lists said so: there is
        // no result, and nothing wrong with the volume.
        m_widgets.text2->setText(QStringLiteral("No conversion"));
        return false;
    }
    MessageBox::show(m_widgets.text1->window(), dataEntryMessage(fault), QStringLiteral("Data Entry"),
        MessageBox::Icon::Information);
    return true;
}
