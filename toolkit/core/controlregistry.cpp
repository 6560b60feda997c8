#include "Formkit/controlregistry.h"

#include "Formkit/savefile.h"
#include "componentruntime_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <dlfcn.h>

namespace Formkit {

namespace {

const QString keyClasses = QStringLiteral("CLSID");
const QString keyProgIds = QStringLiteral("ProgID");
const QString keyTypeLibs = QStringLiteral("TypeLib");
const QString keyInterfaces = QStringLiteral("Interface");

QString normalisedClassId(const QString &text)
{
    return text.trimmed().toUpper();
}

bool looksLikeClassId(const QString &text)
{
    const QString t = text.trimmed();
    return t.startsWith(QLatin1Char('{')) && t.endsWith(QLatin1Char('}'));
}

} // namespace

class ControlRegistryPrivate
{
public:
    /// The file's content; an empty object when there is no file. A file that is
    /// there but cannot be read is an error, so that nothing overwrites it.
    std::optional<QJsonObject> load(QString *error) const;
    QString save(const QJsonObject &root) const;
    QString storedServerPath(const QString &serverPath) const;
    QString resolvedServerPath(const QString &stored) const;

    QString path;
};

ControlRegistry::ControlRegistry(QString path)
    : d_ptr(std::make_unique<ControlRegistryPrivate>(ControlRegistryPrivate { std::move(path) }))
{ }

ControlRegistry::ControlRegistry(const ControlRegistry &other)
    : d_ptr(std::make_unique<ControlRegistryPrivate>(*other.d_ptr))
{ }

ControlRegistry &ControlRegistry::operator=(const ControlRegistry &other)
{
    if (this != &other)
        d_ptr = std::make_unique<ControlRegistryPrivate>(*other.d_ptr);
    return *this;
}

ControlRegistry::~ControlRegistry() = default;

QString ControlRegistry::fileName()
{
    return QStringLiteral("controls.json");
}

QString ControlRegistry::path() const
{
    Q_D(const ControlRegistry);
    return d->path;
}

QString ControlRegistry::userPath()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return dataHome + QStringLiteral("/formkit/") + fileName();
}

QString ControlRegistry::installedPath()
{
    // The folder this runtime library was loaded from, found by one of its own
    // functions' addresses: the prefix is wherever the package was unpacked.
    Dl_info info {};
    if (dladdr(reinterpret_cast<void *>(&ControlRegistry::installedPath), &info) == 0 || !info.dli_fname)
        return {};
    const QDir libraryFolder = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absoluteDir();
    return QDir::cleanPath(libraryFolder.filePath(QStringLiteral("../share/formkit/") + fileName()));
}

QStringList ControlRegistry::defaultSearchPaths()
{
    QStringList paths { userPath() };
    const QString installed = installedPath();
    if (!installed.isEmpty() && !paths.contains(installed))
        paths.append(installed);
    return paths;
}

QString ControlRegistry::registrationPath()
{
    const QString given = componentruntime::registrationTarget();
    return given.isEmpty() ? userPath() : given;
}

QString ControlRegistryPrivate::storedServerPath(const QString &serverPath) const
{
    return QFileInfo(path).absoluteDir().relativeFilePath(QFileInfo(serverPath).absoluteFilePath());
}

QString ControlRegistryPrivate::resolvedServerPath(const QString &stored) const
{
    if (stored.isEmpty() || QDir::isAbsolutePath(stored))
        return stored;
    return QDir::cleanPath(QFileInfo(path).absoluteDir().absoluteFilePath(stored));
}

std::optional<QJsonObject> ControlRegistryPrivate::load(QString *error) const
{
    QByteArray content;
    const QString problem = componentruntime::readRegistryFile(path, &content);
    if (!problem.isEmpty()) {
        *error = problem;
        return std::nullopt;
    }
    if (content.isNull())
        return QJsonObject();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(content, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error
            = QStringLiteral("the control registry %1 is damaged (%2)").arg(path, parseError.errorString());
        return std::nullopt;
    }
    return document.object();
}

QString ControlRegistryPrivate::save(const QJsonObject &root) const
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("cannot make the folder %1").arg(info.absolutePath());
    // Written whole or not at all, so a host never reads half a registry.
    const QString reason = saveFile(path, QJsonDocument(root).toJson(QJsonDocument::Indented));
    return reason.isEmpty() ? QString()
                            : QStringLiteral("cannot write the control registry %1: %2").arg(path, reason);
}

QString ControlRegistry::registerClass(
    const component::ComponentDescription &description, const QString &serverPath) const
{
    Q_D(const ControlRegistry);
    QString error;
    std::optional<QJsonObject> root = d->load(&error);
    if (!root)
        return error;

    const QString classId = normalisedClassId(description.classId);
    const QString typeLibId = normalisedClassId(description.typeLibId);
    // Relative to the registry's folder, so that a registry and its libraries
    // can move together (an installed prefix, a build folder).
    const QString server = d->storedServerPath(serverPath);

    QJsonObject classEntry;
    classEntry.insert(QStringLiteral("name"), description.className);
    classEntry.insert(QStringLiteral("ProgID"), description.progId);
    classEntry.insert(QStringLiteral("Control"), description.isControl);
    classEntry.insert(QStringLiteral("InprocServer"), server);
    classEntry.insert(QStringLiteral("TypeLib"), typeLibId);
    classEntry.insert(QStringLiteral("Version"), description.typeLibVersion);
    if (description.toolboxBitmapId != 0)
        classEntry.insert(QStringLiteral("ToolboxBitmap"),
            QStringLiteral("%1, %2").arg(server).arg(description.toolboxBitmapId));
    QJsonObject classes = root->value(keyClasses).toObject();
    classes.insert(classId, classEntry);
    root->insert(keyClasses, classes);

    QJsonObject progIds = root->value(keyProgIds).toObject();
    progIds.insert(description.progId, classId);
    root->insert(keyProgIds, progIds);

    QJsonObject interfaces = root->value(keyInterfaces).toObject();
    const auto addInterface = [&](const QString &id, const QString &name) {
        if (id.isEmpty())
            return;
        QJsonObject entry;
        entry.insert(QStringLiteral("name"), name);
        entry.insert(QStringLiteral("TypeLib"), typeLibId);
        entry.insert(QStringLiteral("Version"), description.typeLibVersion);
        interfaces.insert(normalisedClassId(id), entry);
    };
    addInterface(description.defaultInterfaceId, description.defaultInterfaceName);
    addInterface(description.eventInterfaceId, description.eventInterfaceName);
    root->insert(keyInterfaces, interfaces);

    QJsonObject typeLibs = root->value(keyTypeLibs).toObject();
    QJsonObject versions = typeLibs.value(typeLibId).toObject();
    QJsonObject version;
    version.insert(QStringLiteral("name"), description.typeLibName);
    version.insert(QStringLiteral("locale"), QString::number(description.typeLibLocale, 16));
    version.insert(QStringLiteral("path"), server);
    versions.insert(description.typeLibVersion, version);
    typeLibs.insert(typeLibId, versions);
    root->insert(keyTypeLibs, typeLibs);

    return d->save(*root);
}

QString ControlRegistry::unregisterClass(const component::ComponentDescription &description) const
{
    Q_D(const ControlRegistry);
    QString error;
    std::optional<QJsonObject> root = d->load(&error);
    if (!root)
        return error;
    if (root->isEmpty())
        return {};

    const QString classId = normalisedClassId(description.classId);
    const QString typeLibId = normalisedClassId(description.typeLibId);

    QJsonObject classes = root->value(keyClasses).toObject();
    classes.remove(classId);
    root->insert(keyClasses, classes);

    // Another class may have taken the name over since; leave it to that one.
    QJsonObject progIds = root->value(keyProgIds).toObject();
    if (normalisedClassId(progIds.value(description.progId).toString()) == classId)
        progIds.remove(description.progId);
    root->insert(keyProgIds, progIds);

    QJsonObject interfaces = root->value(keyInterfaces).toObject();
    interfaces.remove(normalisedClassId(description.defaultInterfaceId));
    interfaces.remove(normalisedClassId(description.eventInterfaceId));
    root->insert(keyInterfaces, interfaces);

    QJsonObject typeLibs = root->value(keyTypeLibs).toObject();
    QJsonObject versions = typeLibs.value(typeLibId).toObject();
    versions.remove(description.typeLibVersion);
    if (versions.isEmpty())
        typeLibs.remove(typeLibId);
    else
        typeLibs.insert(typeLibId, versions);
    root->insert(keyTypeLibs, typeLibs);

    return d->save(*root);
}

std::optional<ControlRegistry::ClassEntry> ControlRegistry::find(
    const QString &progIdOrClassId, QString *error) const
{
    Q_D(const ControlRegistry);
    QString loadError;
    const std::optional<QJsonObject> root = d->load(&loadError);
    if (!root) {
        if (error)
            *error = loadError;
        return std::nullopt;
    }
    const auto notRegistered = [&]() -> std::optional<ClassEntry> {
        if (error)
            *error = QStringLiteral("\"%1\" is not registered in %2").arg(progIdOrClassId, d->path);
        return std::nullopt;
    };

    QString classId;
    if (looksLikeClassId(progIdOrClassId)) {
        classId = normalisedClassId(progIdOrClassId);
    } else {
        const QJsonObject progIds = root->value(keyProgIds).toObject();
        // Programmatic names match without regard to case, as class names do.
        for (auto it = progIds.begin(); it != progIds.end(); ++it) {
            if (it.key().compare(progIdOrClassId.trimmed(), Qt::CaseInsensitive) == 0) {
                classId = normalisedClassId(it.value().toString());
                break;
            }
        }
    }
    if (classId.isEmpty())
        return notRegistered();

    const QJsonValue value = root->value(keyClasses).toObject().value(classId);
    if (!value.isObject())
        return notRegistered();
    const QJsonObject entry = value.toObject();
    ClassEntry result;
    result.classId = classId;
    result.className = entry.value(QStringLiteral("name")).toString();
    result.progId = entry.value(QStringLiteral("ProgID")).toString();
    result.serverPath = d->resolvedServerPath(entry.value(QStringLiteral("InprocServer")).toString());
    result.isControl = entry.value(QStringLiteral("Control")).toBool();
    result.typeLibId = entry.value(QStringLiteral("TypeLib")).toString();
    result.typeLibVersion = entry.value(QStringLiteral("Version")).toString();
    return result;
}

} // namespace Formkit
