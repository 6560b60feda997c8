#ifndef FORMKIT_OLECOLOR_H
#define FORMKIT_OLECOLOR_H

/// \file
/// Colours as the saved layouts and the control's properties store them: 32-bit
/// 0x00BBGGRR for a plain colour, or 0x80000000 plus a system colour index. A
/// system colour is kept as stored and resolved through the palette only when
/// something is painted, so it follows the desktop's colour scheme.

#include "Formkit/formkitcore_export.h"

#include <QColor>
#include <QPalette>
#include <QtGlobal>

namespace Formkit {

/// A colour as stored: 0x00BBGGRR, or systemFlag plus a system colour index.
using OleColor = quint32;

/// Making and resolving stored colours.
namespace olecolor {

/// The bit that marks a system colour.
inline constexpr OleColor systemFlag = 0x80000000u;

///@{
/// System colour indices that the program names.
inline constexpr OleColor windowText = systemFlag | 8u;
inline constexpr OleColor windowBackground = systemFlag | 5u;
inline constexpr OleColor buttonFace = systemFlag | 15u;
///@}

/// Whether the colour is a system colour.
constexpr bool isSystem(OleColor c)
{
    return (c & systemFlag) != 0;
}

/// A plain colour from its 0x00BBGGRR value (system colours are not resolved here).
constexpr QRgb plainRgb(OleColor c)
{
    return qRgb(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

/// The stored value of a plain colour.
constexpr OleColor fromRgb(int red, int green, int blue)
{
    return OleColor(red & 0xFF) | (OleColor(green & 0xFF) << 8) | (OleColor(blue & 0xFF) << 16);
}

/// The stored value of a QColor (its alpha is dropped).
inline OleColor fromQColor(const QColor &c)
{
    return fromRgb(c.red(), c.green(), c.blue());
}

///@{
/// Resolves a plain or system colour (through the palette given, or the
/// application's); an unknown system index resolves to black.
FORMKITCORE_EXPORT QColor toQColor(OleColor c, const QPalette &palette);
FORMKITCORE_EXPORT QColor toQColor(OleColor c);
///@}

} // namespace olecolor

} // namespace Formkit

#endif
