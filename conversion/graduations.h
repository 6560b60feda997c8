#ifndef BRIMLOW_GRADUATIONS_H
#define BRIMLOW_GRADUATIONS_H

// Draws the flask scale (graduationlayout.h) onto a picture box: the visible
// flask after a conversion, or the hidden buffer during a drag. Ticks are black;
// the labels are black, or yellow and white over a red or sparkling fluid.

#include "app/formprocedures.h"

#include <QtGlobal>

struct FormState;
class OptionButton;
class PictureBox;

struct GraduationWidgets
{
    OptionButton *optionred = nullptr; // fluid mode "Red", hidden
    OptionButton *optionsparkle = nullptr; // fluid mode "Sparkle", hidden
};

class Graduations final
{
public:
    Graduations(const FormState &state, const GraduationWidgets &widgets);

    // Ticks and both label columns of graduations 1 to 10, the labels in the
    // pixel face of labelface.h.
    void drawGraduations(PictureBox *target, ScaleVariant variant);

private:
    const FormState &m_state;
    GraduationWidgets m_widgets;

    Q_DISABLE_COPY_MOVE(Graduations)
};

#endif
