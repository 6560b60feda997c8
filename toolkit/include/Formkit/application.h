#ifndef FORMKIT_APPLICATION_H
#define FORMKIT_APPLICATION_H

/// \file
/// What a form asks of its platform besides widgets: the screen's size for
/// centring.

#include "Formkit/formkitwidgets_export.h"

#include <QSize>

namespace Formkit {

/// The primary screen's size in twips (its available geometry when it has one).
FORMKITWIDGETS_EXPORT QSize screenSizeTwips();

} // namespace Formkit

#endif
