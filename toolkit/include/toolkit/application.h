#ifndef BRIMLOW_APPLICATION_H
#define BRIMLOW_APPLICATION_H

// What the program asks of its platform besides widgets: its own folder (the unit
// database and the results file live there) and the screen's size for centring.

#include "toolkit/formruntime_export.h"
#include "toolkit/programfolder.h"

#include <QSize>

namespace toolkit {

// The primary screen's size in twips (its available geometry when it has one).
FORMRUNTIME_EXPORT QSize screenSizeTwips();

} // namespace toolkit

#endif
