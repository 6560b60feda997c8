#include "resources/resourceinit.h"

#include <QtGlobal>

// Q_INIT_RESOURCE has to be used outside any namespace.
static bool initBrimlowResources()
{
    Q_INIT_RESOURCE(brimlow);
    return true;
}

void ensureBrimlowResources()
{
    static const bool initialised = initBrimlowResources();
    Q_UNUSED(initialised);
}
