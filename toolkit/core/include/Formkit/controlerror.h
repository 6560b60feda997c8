#ifndef FORMKIT_CONTROLERROR_H
#define FORMKIT_CONTROLERROR_H

/// \class Formkit::ControlError
/// The error a control member hands back to its caller: the runtime's error number
/// and its text. Controls return it as a value (never as an exception), and a
/// control that forwards to an inner object passes the inner object's error on
/// unchanged, so a host sees the same number whichever layer raised it.

#include "Formkit/formkitcore_export.h"

#include <QString>
#include <QtGlobal>

/// Formkit, the runtime that forms and the controls on them share: every class,
/// function and constant of its two libraries (libformkitcore, Qt Core and Gui
/// only; libformkitwidgets, the widget layer above it) lives here.
namespace Formkit {

struct FORMKITCORE_EXPORT ControlError
{
    ///@{
    /// The error number (0: none) and its text.
    qint32 number = 0;
    QString description;
    ///@}

    /// Whether there is an error (number is not 0).
    bool isError() const { return number != 0; }
    /// The same as isError().
    explicit operator bool() const { return isError(); }
};

/// The runtime's error numbers and texts.
namespace controlerror {

///@{
/// The runtime's numbers for the errors a control raises.
inline constexpr qint32 invalidProcedureCall = 5;
inline constexpr qint32 overflow = 6;
inline constexpr qint32 typeMismatch = 13;
inline constexpr qint32 invalidPropertyValue = 380;
inline constexpr qint32 propertyIsReadOnly = 383;
inline constexpr qint32 memberNotSupported = 438;
inline constexpr qint32 argumentNotOptional = 449;
inline constexpr qint32 wrongArgumentCount = 450;
inline constexpr qint32 invalidPicture = 481;
///@}

/// The error of that number with its standard text.
FORMKITCORE_EXPORT ControlError make(qint32 number);

} // namespace controlerror

} // namespace Formkit

#endif
