#ifndef BRIMLOW_GRADUATIONLAYOUT_H
#define BRIMLOW_GRADUATIONLAYOUT_H

// Where the flask scale's ten graduations go and what their labels say, free of
// any drawing: graduation k (1 to 10) stands for k tenths of the scale's top
// value, its left label gives that volume in the From unit and its right label
// the same volume in the To unit, so the flask reads as a small conversion table.
// Graduation 0 is the scale's zero and gets neither tick nor label.

#include "formstate/scalevariant.h"

#include <QString>
#include <QtGlobal>

#include <array>

// The ink of a label; the drawing picks its pixels.
enum class LabelColour {
    Black,
    Yellow,
    White,
};

struct GraduationLabel
{
    int k = 0;
    int row = 0;
    QString leftText; // drawn from column graduationLeftColumn
    QString rightText;
    int rightColumn = 0;
    LabelColour colour = LabelColour::Black;
};

using GraduationLayout = std::array<GraduationLabel, 10>;

inline constexpr int graduationLeftColumn = 8;

// Ticks at both edges of the glass, always black.
inline constexpr int leftTickFrom = 6;
inline constexpr int leftTickTo = 12;
inline constexpr int rightTickFrom = 80;
inline constexpr int rightTickTo = 87;

// Flask row of graduation k: floor(232 - k / 10 * 214).
int graduationRow(int k);

// The labels of graduations 1 to 10. `contrastColours` is set while the fluid is
// red or sparkles: odd labels are then yellow and even ones white, else all are
// black. A value beyond the Single range has no text.
GraduationLayout graduationLayout(ScaleVariant variant, qint16 scaleExponent, qint16 fractionScaleExponent,
    float fromFactor, float toFactor, bool contrastColours);

#endif
