#ifndef FORMKIT_COMPONENTRUNTIME_P_H
#define FORMKIT_COMPONENTRUNTIME_P_H

// Inside the runtime only: what the component runtime tells the registry.

#include <QString>

namespace Formkit::componentruntime {

// The registry that registerServer() or unregisterServer() named for the call
// in progress on this thread; empty outside such a call.
QString registrationTarget();

} // namespace Formkit::componentruntime

#endif
