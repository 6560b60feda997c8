#include "toolkit/componentruntime.h"

#include "toolkit/classfactory.h"

#include <QFileInfo>
#include <QLibrary>

#include <memory>

namespace componentruntime {

namespace {

// A module opened through QLibrary; never unloaded (see the header).
struct Module
{
    QLibrary library;
    QString error;
};

std::unique_ptr<Module> openModule(const QString &libraryPath)
{
    auto module = std::make_unique<Module>();
    module->library.setFileName(QFileInfo(libraryPath).absoluteFilePath());
    if (!module->library.load())
        module->error = QStringLiteral("cannot load %1: %2").arg(libraryPath, module->library.errorString());
    return module;
}

QString hresultText(qint32 result)
{
    return QStringLiteral("0x%1").arg(quint32(result), 8, 16, QLatin1Char('0'));
}

QString runEntryPoint(const QString &libraryPath, const char *name)
{
    const auto module = openModule(libraryPath);
    if (!module->error.isEmpty())
        return module->error;
    const auto entry = reinterpret_cast<component::RegisterServerFunction>(module->library.resolve(name));
    if (!entry)
        return QStringLiteral("%1 has no entry point %2").arg(libraryPath, QLatin1String(name));
    const qint32 result = entry();
    if (result != component::resultOk)
        return QStringLiteral("%1 of %2 failed (%3)")
            .arg(QLatin1String(name), libraryPath, hresultText(result));
    return {};
}

} // namespace

Creation createControl(const QString &progIdOrClassId, QWidget *parent)
{
    // The first registry that knows the name serves it; when none does, the
    // error names each one asked.
    QStringList errors;
    for (const QString &path : ControlRegistry::searchPaths()) {
        QString error;
        if (ControlRegistry(path).find(progIdOrClassId, &error))
            return createControl(progIdOrClassId, parent, path);
        errors.append(error);
    }
    Creation creation;
    creation.error = errors.join(QStringLiteral("; "));
    return creation;
}

Creation createControl(const QString &progIdOrClassId, QWidget *parent, const QString &registryPath)
{
    Creation creation;
    const ControlRegistry registry(registryPath);
    QString error;
    const std::optional<ControlRegistry::ClassEntry> entry = registry.find(progIdOrClassId, &error);
    if (!entry) {
        creation.error = error;
        return creation;
    }
    if (!entry->isControl) {
        creation.error = QStringLiteral("%1 is not registered as a control").arg(progIdOrClassId);
        return creation;
    }

    const auto module = openModule(entry->serverPath);
    if (!module->error.isEmpty()) {
        creation.error = module->error;
        return creation;
    }
    const auto getClassObject
        = reinterpret_cast<component::GetClassObjectFunction>(module->library.resolve("DllGetClassObject"));
    if (!getClassObject) {
        creation.error = QStringLiteral("%1 has no entry point DllGetClassObject").arg(entry->serverPath);
        return creation;
    }

    void *object = nullptr;
    const QByteArray classId = entry->classId.toLatin1();
    const qint32 result = getClassObject(classId.constData(), ClassFactory::interfaceId, &object);
    if (result != component::resultOk || !object) {
        creation.error = QStringLiteral("%1 has no class factory for %2 (%3)")
                             .arg(entry->serverPath, entry->classId, hresultText(result));
        return creation;
    }
    auto *factory = static_cast<ClassFactory *>(object);
    creation.control = factory->createInstance(parent);
    factory->release();
    if (!creation.control)
        creation.error = QStringLiteral("the class factory of %1 made no instance").arg(entry->classId);
    return creation;
}

QString registerServer(const QString &libraryPath)
{
    return runEntryPoint(libraryPath, "DllRegisterServer");
}

QString unregisterServer(const QString &libraryPath)
{
    return runEntryPoint(libraryPath, "DllUnregisterServer");
}

std::optional<bool> canUnloadNow(const QString &libraryPath)
{
    const auto module = openModule(libraryPath);
    if (!module->error.isEmpty())
        return std::nullopt;
    const auto entry
        = reinterpret_cast<component::CanUnloadNowFunction>(module->library.resolve("DllCanUnloadNow"));
    if (!entry)
        return std::nullopt;
    return entry() == component::resultOk;
}

} // namespace componentruntime
