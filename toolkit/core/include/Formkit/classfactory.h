#ifndef FORMKIT_CLASSFACTORY_H
#define FORMKIT_CLASSFACTORY_H

/// \file
/// What a control module and the component runtime agree on. A control module is
/// a shared library exporting four C functions:
///
///   qint32 DllRegisterServer(void);      // adds its classes to the registry
///   qint32 DllUnregisterServer(void);    // removes them again
///   qint32 DllGetClassObject(const char *classId, const char *interfaceId, void **object);
///   qint32 DllCanUnloadNow(void);        // resultOk when no instance or factory is alive
///
/// DllGetClassObject hands out a ClassFactory (interfaceId ClassFactory::interfaceId)
/// that makes instances of the class; the caller releases the factory when done.
/// Results follow the component model's numbering: 0 success, negative failure.

#include "Formkit/formkitcore_export.h"

#include <QString>
#include <QtGlobal>

class QWidget;

namespace Formkit {

/// What control modules and the runtime share: result numbers, entry points,
/// class descriptions.
namespace component {

///@{
/// The component model's result numbers: resultOk and resultFalse succeed, the
/// negative ones say why a call failed.
inline constexpr qint32 resultOk = 0;
inline constexpr qint32 resultFalse = 1;
inline constexpr qint32 resultNoInterface = qint32(0x80004002u);
inline constexpr qint32 resultPointer = qint32(0x80004003u);
inline constexpr qint32 resultFail = qint32(0x80004005u);
inline constexpr qint32 resultClassNotAvailable = qint32(0x80040111u);
inline constexpr qint32 resultRegisterClassFailed = qint32(0x80040201u);
///@}

///@{
/// The types of a module's entry points, as the runtime looks them up.
using RegisterServerFunction = qint32 (*)();
using GetClassObjectFunction = qint32 (*)(const char *classId, const char *interfaceId, void **object);
using CanUnloadNowFunction = qint32 (*)();
///@}

/// A module's description of its one class, handed to the registry when the
/// module registers or unregisters itself.
struct FORMKITCORE_EXPORT ComponentDescription
{
    ///@{
    /// The class, its programmatic name, its type library and interfaces, and the
    /// resource number of its toolbox picture, as the registry records them.
    QString className;
    QString classId;
    QString progId;
    bool isControl = false;
    QString typeLibName;
    QString typeLibId;
    QString typeLibVersion;
    qint32 typeLibLocale = 0;
    QString defaultInterfaceName;
    QString defaultInterfaceId;
    QString eventInterfaceName;
    QString eventInterfaceId;
    qint32 toolboxBitmapId = 0;
    ///@}
};

} // namespace component

/// Makes instances of one class for a host; handed out by DllGetClassObject and
/// reference counted (addRef(), release()), as the component model's class factories are.
class FORMKITCORE_EXPORT ClassFactory
{
public:
    /// The interface identifier a host asks DllGetClassObject for.
    static constexpr const char *interfaceId = "{00000001-0000-0000-C000-000000000046}";

    /// A new instance with the given parent, or nullptr when it cannot be made.
    virtual QWidget *createInstance(QWidget *parent) = 0;
    /// Keeps the module loaded while a host means to make more instances later.
    virtual void lockServer(bool lock) = 0;
    /// Keeps the factory alive for one more user.
    virtual void addRef() = 0;
    /// Lets go of it; the last release deletes it.
    virtual void release() = 0;

protected:
    ~ClassFactory() = default;
};

} // namespace Formkit

#endif
