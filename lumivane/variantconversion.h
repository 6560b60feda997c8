#ifndef LUMIVANE_VARIANTCONVERSION_H
#define LUMIVANE_VARIANTCONVERSION_H

// Conversion of late-bound arguments to the types of the control's members,
// with the runtime's errors: a number out of the target type's range is an
// overflow (6), a value of the wrong kind a type mismatch (13). Fractions round
// half to even, as the runtime's integer conversion does.

#include "Formkit/controlerror.h"
#include "Formkit/olecolor.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QVariant>

using Formkit::ControlError;
using Formkit::OleColor;

namespace variantconversion {

template <class T> struct Converted
{
    T value {};
    ControlError error;

    bool ok() const { return !error.isError(); }
};

Converted<qint16> toInteger(const QVariant &value);
Converted<qint32> toLong(const QVariant &value);
Converted<float> toSingle(const QVariant &value);
Converted<bool> toBoolean(const QVariant &value);
Converted<QString> toText(const QVariant &value);
// A colour is a Long: 0x80000000 and above may come as negative numbers.
Converted<OleColor> toColour(const QVariant &value);
// A picture object: a QPixmap or QImage; an invalid variant or a null picture
// is no picture (an empty QImage).
Converted<QImage> toPicture(const QVariant &value);
Converted<QFont> toFont(const QVariant &value);

// The same checks for a number a typed caller passes: an Integer out of 16 bits
// is an overflow, and so is a Single beyond float; a Single that is no number
// (NaN) is a type mismatch.
Converted<qint16> integerOf(double number);
Converted<float> singleOf(double number);

} // namespace variantconversion

#endif
