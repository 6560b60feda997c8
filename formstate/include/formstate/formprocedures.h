#ifndef BRIMLOW_FORMPROCEDURES_H
#define BRIMLOW_FORMPROCEDURES_H

// The window procedures that one subsystem calls in another. Form1 implements
// them by handing each call to the subsystem that owns it, so the unit lists can
// convert, the conversion can draw the flask, and so on, without the subsystems
// knowing each other. Tests implement them to record the calls.

#include "formstate/scalevariant.h"

namespace Formkit {
class PictureBox;
} // namespace Formkit

class FormProcedures
{
public:
    virtual ~FormProcedures() = default;

    // Unit sizes of the selected entries of List1 and List2 into fromFactor / toFactor.
    virtual void lookupFromFactor() = 0;
    virtual void lookupToFactor() = 0;

    // Convert Text1 on the path its leading number selects.
    virtual void updateConversion() = 0;

    // Fluid into the buffer, the buffer onto PicFlask, the scale onto a target.
    virtual void update_framestatic(int topRow, int sparkleSpan) = 0;
    virtual void showFlask() = 0;
    virtual void drawGraduations(Formkit::PictureBox *target, ScaleVariant variant) = 0;

    // Fill Text1 and Text2 for the fluid standing at a flask row.
    virtual void setVolumeFromLevel(float y) = 0;
};

#endif
