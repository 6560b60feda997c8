#ifndef BRIMLOW_SCALEVARIANT_H
#define BRIMLOW_SCALEVARIANT_H

// Which of the flask's two scales is drawn. The window procedures name it and
// the scale's layout is computed for it, so it sits below both: the pure
// layout code sees it without seeing the procedures.

enum class ScaleVariant {
    Large, // the scale for a volume of 1 or more: top value 10^scaleExponent
    Small, // the scale below 1: top value 10^-fractionScaleExponent
};

#endif
