// A library that is no control and carries no metadata, registered for the
// control's class by someone else.

#include "leavemark.h"

extern "C" __attribute__((visibility("default"))) int DllGetClassObject(
    const char *, const char *, void **object)
{
    *object = nullptr;
    return 0;
}
