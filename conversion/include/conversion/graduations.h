#ifndef BRIMLOW_GRADUATIONS_H
#define BRIMLOW_GRADUATIONS_H

// Draws the flask scale (graduationlayout.h) onto a picture box: the visible
// flask after a conversion, or the hidden buffer during a drag. Ticks are black;
// the labels are black, or yellow and white over a red or sparkling fluid.

#include "formstate/scalevariant.h"

#include <QtGlobal>

struct FormState;
namespace Formkit {
class OptionButton;
class PictureBox;
} // namespace Formkit

struct GraduationWidgets
{
    Formkit::OptionButton *optionred = nullptr; // fluid mode "Red", hidden
    Formkit::OptionButton *optionsparkle = nullptr; // fluid mode "Sparkle", hidden
};

class Graduations final
{
public:
    Graduations(const FormState &state, const GraduationWidgets &widgets);

    // Ticks and both label columns of graduations 1 to 10, the labels in the
    // pixel face of labelface.h.
    void drawGraduations(Formkit::PictureBox *target, ScaleVariant variant);

private:
    const FormState &m_state;
    GraduationWidgets m_widgets;

    Q_DISABLE_COPY_MOVE(Graduations)
};

#endif
