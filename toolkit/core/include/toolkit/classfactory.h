#ifndef BRIMLOW_CLASSFACTORY_H
#define BRIMLOW_CLASSFACTORY_H

// What a control module and the component runtime agree on. A control module is
// a shared library exporting four C functions:
//
//   qint32 DllRegisterServer(void);      // adds its classes to the registry
//   qint32 DllUnregisterServer(void);    // removes them again
//   qint32 DllGetClassObject(const char *classId, const char *interfaceId, void **object);
//   qint32 DllCanUnloadNow(void);        // resultOk when no instance or factory is alive
//
// DllGetClassObject hands out a ClassFactory (interfaceId ClassFactory::interfaceId)
// that makes instances of the class; the caller releases the factory when done.
// Results follow the component model's numbering: 0 success, negative failure.

#include "toolkit/formruntime_export.h"

#include <QString>
#include <QtGlobal>

class QWidget;

namespace component {

inline constexpr qint32 resultOk = 0;
inline constexpr qint32 resultFalse = 1;
inline constexpr qint32 resultNoInterface = qint32(0x80004002u);
inline constexpr qint32 resultPointer = qint32(0x80004003u);
inline constexpr qint32 resultFail = qint32(0x80004005u);
inline constexpr qint32 resultClassNotAvailable = qint32(0x80040111u);
inline constexpr qint32 resultRegisterClassFailed = qint32(0x80040201u);

using RegisterServerFunction = qint32 (*)();
using GetClassObjectFunction = qint32 (*)(const char *classId, const char *interfaceId, void **object);
using CanUnloadNowFunction = qint32 (*)();

// A module's description of its one class, handed to the registry when the
// module registers or unregisters itself.
struct FORMRUNTIME_EXPORT ComponentDescription
{
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
};

} // namespace component

class FORMRUNTIME_EXPORT ClassFactory
{
public:
    static constexpr const char *interfaceId = "{00000001-0000-0000-C000-000000000046}";

    // A new instance with the given parent, or nullptr when it cannot be made.
    virtual QWidget *createInstance(QWidget *parent) = 0;
    // Keeps the module loaded while a host means to make more instances later.
    virtual void lockServer(bool lock) = 0;
    virtual void addRef() = 0;
    virtual void release() = 0;

protected:
    ~ClassFactory() = default;
};

#endif
