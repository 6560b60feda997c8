#ifndef BRIMLOW_CONVERSION_H
#define BRIMLOW_CONVERSION_H

// The conversion of the volume box's text: the path its leading number selects
// (1 or more, or below 1) computes the result and the flask's scale and level
// (conversionarithmetic.h), writes the result box and the state record, and
// has the flask and its scale redrawn through the window procedures. A text
// that gives no conversion brings up the "Data Entry" message, which names what
// is wrong with it, and changes nothing; with a unit whose size could not be
// read the result box shows "No conversion" instead.

#include <QtGlobal>

struct FormState;
class FormProcedures;
namespace Formkit {
class PictureBox;
class TextBox;
} // namespace Formkit
struct ConversionOutcome;
enum class ConversionFault;

struct ConversionWidgets
{
    Formkit::TextBox *text1 = nullptr; // the volume (Text1)
    Formkit::TextBox *text2 = nullptr; // the result (Text2)
    Formkit::PictureBox *picFlask = nullptr; // the visible flask the scale is drawn on (PicFlask)
};

class Conversion final
{
public:
    Conversion(FormState &state, FormProcedures &procedures, const ConversionWidgets &widgets);

    // Runs do_integerpositive when Text1's leading number is 1 or more, else
    // do_decimalpositive.
    void updateConversion();

    // The path for a volume of 1 or more; on a rejected volume the focus goes
    // to Text1.
    void do_integerpositive();
    // The path for a volume below 1; on a rejected volume the focus stays.
    void do_decimalpositive();

private:
    void apply(const ConversionOutcome &outcome);
    // Shows why there is no conversion; true when the volume text is at fault.
    bool reject(ConversionFault fault);

    FormState &m_state;
    FormProcedures &m_procedures;
    ConversionWidgets m_widgets;

    Q_DISABLE_COPY_MOVE(Conversion)
};

#endif
