#ifndef FORMKIT_COMPONENTRUNTIME_P_H
#define FORMKIT_COMPONENTRUNTIME_P_H

// Inside the runtime only: what the component runtime tells the registry.

#include <QByteArray>
#include <QString>

namespace Formkit::componentruntime {

// The registry that registerServer() or unregisterServer() named for the call
// in progress on this thread; empty outside such a call.
QString registrationTarget();

// The largest registry file read; a registry of a few hundred controls is far
// smaller.
inline constexpr qint64 registryFileCap = 4 * 1024 * 1024;

// Reads a registry file into *content without trusting what is at the path: a
// FIFO, a device, a file over registryFileCap, a file owned by another user than
// this one or root, or one that everybody may write is refused unread (nothing is
// read past the cap, nothing blocks). Returns why the file is refused, else an
// empty text; when there is no file, *content is a null array.
QString readRegistryFile(const QString &path, QByteArray *content);

// Why the library at path may not be loaded to serve classId, read from its
// plug-in metadata without running any of its code; empty when it may.
QString controlLibraryProblem(const QString &path, const QString &classId);

} // namespace Formkit::componentruntime

#endif
