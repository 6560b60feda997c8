// The module's entry points, as an in-process control server exports them. Each
// hands the module's description (class, interfaces, type library) to the
// component runtime, which does the work.

#include "Formkit/controlregistry.h"
#include "Lumivane/lumivane.h"
#include "Lumivane/lumivane_export.h"
#include "lumivanefactory.h"
#include "membertable.h"

#include <QByteArray>
#include <QFileInfo>

#include <dlfcn.h>

using Formkit::ClassFactory;
using Formkit::ControlRegistry;
namespace component = Formkit::component;

namespace {

component::ComponentDescription description()
{
    namespace t = lumivanetypes;
    component::ComponentDescription d;
    d.className = QString::fromLatin1(t::className);
    d.classId = QString::fromLatin1(t::classId);
    d.progId = QString::fromLatin1(t::progId);
    d.isControl = true;
    d.typeLibName = QString::fromLatin1(t::typeLibName);
    d.typeLibId = QString::fromLatin1(t::typeLibId);
    d.typeLibVersion = QString::fromLatin1(t::typeLibVersion);
    d.typeLibLocale = t::typeLibLocale;
    d.defaultInterfaceName = QString::fromLatin1(t::defaultInterfaceName);
    d.defaultInterfaceId = QString::fromLatin1(t::defaultInterfaceId);
    d.eventInterfaceName = QString::fromLatin1(t::eventInterfaceName);
    d.eventInterfaceId = QString::fromLatin1(t::eventInterfaceId);
    d.toolboxBitmapId = t::toolboxBitmapId;
    return d;
}

// The file this module was loaded from.
QString modulePath()
{
    Dl_info info {};
    if (dladdr(reinterpret_cast<void *>(&modulePath), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteFilePath();
}

} // namespace

extern "C" {

LUMIVANE_EXPORT qint32 DllRegisterServer()
{
    const QString path = modulePath();
    if (path.isEmpty())
        return component::resultRegisterClassFailed;
    const QString failure
        = ControlRegistry(ControlRegistry::registrationPath()).registerClass(description(), path);
    return failure.isEmpty() ? component::resultOk : component::resultRegisterClassFailed;
}

LUMIVANE_EXPORT qint32 DllUnregisterServer()
{
    const QString failure
        = ControlRegistry(ControlRegistry::registrationPath()).unregisterClass(description());
    return failure.isEmpty() ? component::resultOk : component::resultRegisterClassFailed;
}

LUMIVANE_EXPORT qint32 DllGetClassObject(const char *classId, const char *interfaceId, void **object)
{
    if (!object)
        return component::resultPointer;
    *object = nullptr;
    if (!classId || QByteArray(classId).toUpper() != QByteArray(lumivanetypes::classId))
        return component::resultClassNotAvailable;
    if (!interfaceId || QByteArray(interfaceId).toUpper() != QByteArray(ClassFactory::interfaceId))
        return component::resultNoInterface;
    *object = static_cast<ClassFactory *>(new LumivaneFactory);
    return component::resultOk;
}

LUMIVANE_EXPORT qint32 DllCanUnloadNow()
{
    return Lumivane::instanceCount() == 0 && LumivaneFactory::liveCount() == 0 ? component::resultOk
                                                                               : component::resultFalse;
}

} // extern "C"
