#ifndef FORMKIT_SAVEFILE_H
#define FORMKIT_SAVEFILE_H

/// \file
/// Writing a whole file safely: the one way the runtime, its controls and its
/// hosts replace a file on disk.

#include "Formkit/formkitcore_export.h"

#include <QByteArray>
#include <QString>

namespace Formkit {

/// Replaces the file at path with bytes, whole or not at all: the bytes go to a
/// new file beside it, unbuffered, every write is checked, and the new file
/// takes the old one's place only once it is complete and committed. On any
/// failure (a full disk, a file size limit, a read-only folder, a folder in the
/// file's place) the file that was there before is left byte for byte as it
/// was. Returns an empty text on success, else the system's reason.
FORMKITCORE_EXPORT QString saveFile(const QString &path, const QByteArray &bytes);

} // namespace Formkit

#endif
