#ifndef BRIMLOW_CONTROLREGISTRIES_H
#define BRIMLOW_CONTROLREGISTRIES_H

/// \file
/// Where the program looks for the controls it makes by name: "controls.json"
/// beside the program when that exists (a build folder registers its controls
/// there), then Formkit's own places (the user's registry, then the one
/// installed with the runtime).

#include <QString>
#include <QStringList>

namespace program {

/// The registries the program reads, in order, for a program in that folder.
QStringList controlRegistries(const QString &programFolder);

} // namespace program

#endif
