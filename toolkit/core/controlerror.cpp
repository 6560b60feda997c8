#include "Formkit/controlerror.h"

namespace Formkit {

namespace controlerror {

ControlError make(qint32 number)
{
    const char *text = "Application-defined or object-defined error";
    switch (number) {
    case 0:
        return {};
    case invalidProcedureCall:
        text = "Invalid procedure call or argument";
        break;
    case overflow:
        text = "Overflow";
        break;
    case typeMismatch:
        text = "Type mismatch";
        break;
    case invalidPropertyValue:
        text = "Invalid property value";
        break;
    case propertyIsReadOnly:
        text = "Property is read-only";
        break;
    case memberNotSupported:
        text = "Object doesn't support this property or method";
        break;
    case argumentNotOptional:
        text = "Argument not optional";
        break;
    case wrongArgumentCount:
        text = "Wrong number of arguments or invalid property assignment";
        break;
    case invalidPicture:
        text = "Invalid picture";
        break;
    default:
        break;
    }
    return ControlError { number, QString::fromLatin1(text) };
}

} // namespace controlerror

} // namespace Formkit
