#ifndef BRIMLOW_APPLICATION_H
#define BRIMLOW_APPLICATION_H

/// \file
/// What the program asks of its platform besides widgets: its own folder (the unit
/// database and the results file live there) and the screen's size for centring.

#include "toolkit/formruntime_export.h"
#include "toolkit/programfolder.h"

#include <QSize>

/// The program's start-up and layout: where it runs from and keeps its files.
namespace toolkit {

/// The primary screen's size in twips (its available geometry when it has one).
FORMRUNTIME_EXPORT QSize screenSizeTwips();

} // namespace toolkit

#endif
