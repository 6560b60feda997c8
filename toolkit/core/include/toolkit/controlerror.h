#ifndef BRIMLOW_CONTROLERROR_H
#define BRIMLOW_CONTROLERROR_H

// The error a control member hands back to its caller: the runtime's error number
// and its text. Controls return it as a value (never as an exception), and a
// control that forwards to an inner object passes the inner object's error on
// unchanged, so a host sees the same number whichever layer raised it.

#include "toolkit/formruntime_export.h"

#include <QString>
#include <QtGlobal>

struct FORMRUNTIME_EXPORT ControlError
{
    qint32 number = 0;
    QString description;

    bool isError() const { return number != 0; }
    explicit operator bool() const { return isError(); }
};

namespace controlerror {

// The runtime's numbers for the errors a control raises.
inline constexpr qint32 invalidProcedureCall = 5;
inline constexpr qint32 overflow = 6;
inline constexpr qint32 typeMismatch = 13;
inline constexpr qint32 invalidPropertyValue = 380;
inline constexpr qint32 propertyIsReadOnly = 383;
inline constexpr qint32 memberNotSupported = 438;
inline constexpr qint32 argumentNotOptional = 449;
inline constexpr qint32 wrongArgumentCount = 450;
inline constexpr qint32 invalidPicture = 481;

// The error of that number with its standard text.
FORMRUNTIME_EXPORT ControlError make(qint32 number);

} // namespace controlerror

#endif
