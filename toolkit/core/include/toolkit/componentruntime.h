#ifndef BRIMLOW_COMPONENTRUNTIME_H
#define BRIMLOW_COMPONENTRUNTIME_H

// The component runtime: makes controls from their modules. A host asks for a
// control by programmatic name ("LumivaneBox.Lumivane") or class identifier; the
// runtime looks the class up in the control registry, loads the library that
// serves it, asks the library's class factory for an instance and hands that back
// as a widget. The host then reaches the control's members by name (Qt's
// meta-object system) or by dispatch identifier (qobject_cast<Dispatchable *>).
//
// A host window makes and uses a control like this (errors go to standard
// error, and the window opens without the control):
//
//   const componentruntime::Creation made =
//       componentruntime::createControl(QStringLiteral("LumivaneBox.Lumivane"), this);
//   if (!made.control) {
//       std::fprintf(stderr, "cannot create the logo control: %s\n", qPrintable(made.error));
//       return;
//   }
//   made.control->setGeometry(twips::rect(4660, 3570, 1385, 735));
//   MemoryPropertyBag settings;                       // its saved settings
//   settings.setValue(QStringLiteral("TransparentColor"), 0x00BEBEBE);
//   QMetaObject::invokeMethod(made.control, "readProperties", Q_ARG(QObject *, &settings));
//   // A member by dispatch identifier (PaintPicture, picture at 0, 0):
//   QVariantList arguments{QPixmap::fromImage(picture), 0.0f, 0.0f};
//   const DispatchResult result = qobject_cast<Dispatchable *>(made.control)
//                                     ->invoke(0x60030043, DispatchKind::Call, arguments);
//
// Loaded modules stay loaded for the life of the process: Qt keeps type data of
// every loaded library, so unloading one under live objects is never safe.

#include "toolkit/controlregistry.h"
#include "toolkit/formruntime_export.h"

#include <QString>

#include <optional>

class QWidget;

namespace componentruntime {

struct FORMRUNTIME_EXPORT Creation
{
    QWidget *control = nullptr; // owned by the parent given, as any child widget
    QString error; // why no control was made; empty on success
};

// Looks the name up in each of ControlRegistry::searchPaths() in turn.
FORMRUNTIME_EXPORT Creation createControl(const QString &progIdOrClassId, QWidget *parent);
// Looks the name up in the one registry file given.
FORMRUNTIME_EXPORT Creation createControl(
    const QString &progIdOrClassId, QWidget *parent, const QString &registryPath);

// Loads the module file and runs its DllRegisterServer or DllUnregisterServer,
// which write the registry ControlRegistry::defaultPath() names. An empty text
// on success, else what went wrong.
FORMRUNTIME_EXPORT QString registerServer(const QString &libraryPath);
FORMRUNTIME_EXPORT QString unregisterServer(const QString &libraryPath);

// Asks a loaded (or loadable) module whether it has no instance or factory alive.
// Fails (nullopt) when the module cannot be loaded.
FORMRUNTIME_EXPORT std::optional<bool> canUnloadNow(const QString &libraryPath);

} // namespace componentruntime

#endif
