#include "Formkit/componentruntime.h"

#include "Formkit/classfactory.h"
#include "componentruntime_p.h"

#include <QFileInfo>
#include <QLibrary>
#include <QScopeGuard>

#include <memory>
#include <utility>

namespace Formkit {

namespace componentruntime {

namespace {

// The registry a module registers itself in, for the call in progress.
thread_local QString registrationFile;

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

QString runEntryPoint(const QString &libraryPath, const char *name, const QString &registryPath)
{
    // The module asks the registry where to write while its entry point runs;
    // the place before is restored however the call ends.
    const QString before = std::exchange(
        registrationFile, registryPath.isEmpty() ? QString() : QFileInfo(registryPath).absoluteFilePath());
    const auto restore = qScopeGuard([&] { registrationFile = before; });
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

QString registrationTarget()
{
    return registrationFile;
}

Creation createControl(const QString &progIdOrClassId, QWidget *parent)
{
    return createControl(progIdOrClassId, parent, ControlRegistry::defaultSearchPaths());
}

Creation createControl(const QString &progIdOrClassId, QWidget *parent, const QStringList &registryPaths)
{
    // The first registry that knows the name and whose library passes its check
    // and loads serves it. A registry that cannot be trusted, or a library that
    // fails, is skipped with a warning and the next place is asked, so a stale
    // or foreign entry in the user's registry never hides the installed control.
    // When none serves the name, the error names each place asked.
    QStringList errors;
    for (const QString &path : registryPaths) {
        QByteArray content;
        const QString refused = readRegistryFile(path, &content);
        if (!refused.isEmpty()) {
            qWarning("%s", qPrintable(refused));
            errors.append(refused);
            continue;
        }
        QString error;
        if (!ControlRegistry(path).find(progIdOrClassId, &error)) {
            errors.append(error);
            continue;
        }
        Creation creation = createControl(progIdOrClassId, parent, path);
        if (creation.control)
            return creation;
        qWarning("%s", qPrintable(creation.error));
        errors.append(creation.error);
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

    // Nothing of a library runs before its metadata says it serves the class.
    const QString problem = controlLibraryProblem(entry->serverPath, entry->classId);
    if (!problem.isEmpty()) {
        creation.error
            = QStringLiteral("the control library %1 is skipped: %2").arg(entry->serverPath, problem);
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

QString registerServer(const QString &libraryPath, const QString &registryPath)
{
    return runEntryPoint(libraryPath, "DllRegisterServer", registryPath);
}

QString unregisterServer(const QString &libraryPath, const QString &registryPath)
{
    return runEntryPoint(libraryPath, "DllUnregisterServer", registryPath);
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

} // namespace Formkit
