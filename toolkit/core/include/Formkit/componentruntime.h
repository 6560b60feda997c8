#ifndef FORMKIT_COMPONENTRUNTIME_H
#define FORMKIT_COMPONENTRUNTIME_H

/// \file
/// The component runtime: makes controls from their modules. A host asks for a
/// control by programmatic name ("LumivaneBox.Lumivane") or class identifier; the
/// runtime looks the class up in the control registry, loads the library that
/// serves it, asks the library's class factory for an instance and hands that back
/// as a widget. The host then reaches the control's members by name (Qt's
/// meta-object system) or by dispatch identifier (qobject_cast<Dispatchable *>).
///
/// A host window makes and uses a control like this (errors go to standard
/// error, and the window opens without the control):
///
///   const Formkit::componentruntime::Creation made =
///       Formkit::componentruntime::createControl(QStringLiteral("LumivaneBox.Lumivane"), this);
///   if (!made.control) {
///       std::fprintf(stderr, "cannot create the logo control: %s\n", qPrintable(made.error));
///       return;
///   }
///   made.control->setGeometry(Formkit::twips::rect(4660, 3570, 1385, 735));
///   Formkit::MemoryPropertyBag settings;                      // its saved settings
///   settings.setValue(QStringLiteral("TransparentColor"), 0x00BEBEBE);
///   QMetaObject::invokeMethod(made.control, "readProperties", Q_ARG(QObject *, &settings));
///   // A member by dispatch identifier (PaintPicture, picture at 0, 0):
///   QVariantList arguments{QPixmap::fromImage(picture), 0.0f, 0.0f};
///   const Formkit::DispatchResult result
///       = qobject_cast<Formkit::Dispatchable *>(made.control)
///             ->invoke(0x60030043, Formkit::DispatchKind::Call, arguments);
///
/// Loaded modules stay loaded for the life of the process: Qt keeps type data of
/// every loaded library, so unloading one under live objects is never safe.

#include "Formkit/controlregistry.h"
#include "Formkit/formkitcore_export.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace Formkit {

/// Making controls from their modules, and registering modules.
namespace componentruntime {

/// What createControl() hands back.
struct FORMKITCORE_EXPORT Creation
{
    QWidget *control = nullptr; ///< owned by the parent given, as any child widget
    QString error; ///< why no control was made; empty on success
};

/// Makes the control registered under a programmatic name or class identifier,
/// as a child of parent: looks the name up in each of the runtime's own places,
/// ControlRegistry::defaultSearchPaths(), in turn.
FORMKITCORE_EXPORT Creation createControl(const QString &progIdOrClassId, QWidget *parent);
/// The same, looking the name up in each of the registry files given, in turn.
FORMKITCORE_EXPORT Creation createControl(
    const QString &progIdOrClassId, QWidget *parent, const QStringList &registryPaths);
/// The same, looking the name up in the one registry file given.
FORMKITCORE_EXPORT Creation createControl(
    const QString &progIdOrClassId, QWidget *parent, const QString &registryPath);

///@{
/// Loads the module file and runs its DllRegisterServer or DllUnregisterServer,
/// which write the registry file given (ControlRegistry::registrationPath()
/// during the call; an empty one stands for ControlRegistry::userPath()). An
/// empty text on success, else what went wrong.
FORMKITCORE_EXPORT QString registerServer(const QString &libraryPath, const QString &registryPath);
FORMKITCORE_EXPORT QString unregisterServer(const QString &libraryPath, const QString &registryPath);
///@}

/// Asks a loaded (or loadable) module whether it has no instance or factory alive.
/// Fails (nullopt) when the module cannot be loaded.
FORMKITCORE_EXPORT std::optional<bool> canUnloadNow(const QString &libraryPath);

} // namespace componentruntime

} // namespace Formkit

#endif
