#include "Formkit/controlregistry.h"

#include "Formkit/savefile.h"
#include "componentruntime_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

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

ControlRegistry::ControlRegistry(QString path)
    : m_path(std::move(path))
{ }

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

QString ControlRegistry::storedServerPath(const QString &serverPath) const
{
    return QFileInfo(m_path).absoluteDir().relativeFilePath(QFileInfo(serverPath).absoluteFilePath());
}

QString ControlRegistry::resolvedServerPath(const QString &stored) const
{
    if (stored.isEmpty() || QDir::isAbsolutePath(stored))
        return stored;
    return QDir::cleanPath(QFileInfo(m_path).absoluteDir().absoluteFilePath(stored));
}

std::optional<QJsonObject> ControlRegistry::load(QString *error) const
{
    QByteArray content;
    const QString problem = componentruntime::readRegistryFile(m_path, &content);
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
            = QStringLiteral("the control registry %1 is damaged (%2)").arg(m_path, parseError.errorString());
        return std::nullopt;
    }
    return document.object();
}

QString ControlRegistry::save(const QJsonObject &root) const
{
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("cannot make the folder %1").arg(info.absolutePath());
    // Written whole or not at all, so a host never reads half a registry.
    const QString reason = saveFile(m_path, QJsonDocument(root).toJson(QJsonDocument::Indented));
    return reason.isEmpty() ? QString()
                            : QStringLiteral("cannot write the control registry %1: %2").arg(m_path, reason);
}

QString ControlRegistry::registerClass(
    const component::ComponentDescription &d, const QString &serverPath) const
{
    QString error;
    std::optional<QJsonObject> root = load(&error);
    if (!root)
        return error;

    const QString classId = normalisedClassId(d.classId);
    const QString typeLibId = normalisedClassId(d.typeLibId);
    // Relative to the registry's folder, so that a registry and its libraries
    // can move together (an installed prefix, a build folder).
    const QString server = storedServerPath(serverPath);

    QJsonObject classEntry;
    classEntry.insert(QStringLiteral("name"), d.className);
    classEntry.insert(QStringLiteral("ProgID"), d.progId);
    classEntry.insert(QStringLiteral("Control"), d.isControl);
    classEntry.insert(QStringLiteral("InprocServer"), server);
    classEntry.insert(QStringLiteral("TypeLib"), typeLibId);
    classEntry.insert(QStringLiteral("Version"), d.typeLibVersion);
    if (d.toolboxBitmapId != 0)
        classEntry.insert(
            QStringLiteral("ToolboxBitmap"), QStringLiteral("%1, %2").arg(server).arg(d.toolboxBitmapId));
    QJsonObject classes = root->value(keyClasses).toObject();
    classes.insert(classId, classEntry);
    root->insert(keyClasses, classes);

    QJsonObject progIds = root->value(keyProgIds).toObject();
    progIds.insert(d.progId, classId);
    root->insert(keyProgIds, progIds);

    QJsonObject interfaces = root->value(keyInterfaces).toObject();
    const auto addInterface = [&](const QString &id, const QString &name) {
        if (id.isEmpty())
            return;
        QJsonObject entry;
        entry.insert(QStringLiteral("name"), name);
        entry.insert(QStringLiteral("TypeLib"), typeLibId);
        entry.insert(QStringLiteral("Version"), d.typeLibVersion);
        interfaces.insert(normalisedClassId(id), entry);
    };
    addInterface(d.defaultInterfaceId, d.defaultInterfaceName);
    addInterface(d.eventInterfaceId, d.eventInterfaceName);
    root->insert(keyInterfaces, interfaces);

    QJsonObject typeLibs = root->value(keyTypeLibs).toObject();
    QJsonObject versions = typeLibs.value(typeLibId).toObject();
    QJsonObject version;
    version.insert(QStringLiteral("name"), d.typeLibName);
    version.insert(QStringLiteral("locale"), QString::number(d.typeLibLocale, 16));
    version.insert(QStringLiteral("path"), server);
    versions.insert(d.typeLibVersion, version);
    typeLibs.insert(typeLibId, versions);
    root->insert(keyTypeLibs, typeLibs);

    return save(*root);
}

QString ControlRegistry::unregisterClass(const component::ComponentDescription &d) const
{
    QString error;
    std::optional<QJsonObject> root = load(&error);
    if (!root)
        return error;
    if (root->isEmpty())
        return {};

    const QString classId = normalisedClassId(d.classId);
    const QString typeLibId = normalisedClassId(d.typeLibId);

    QJsonObject classes = root->value(keyClasses).toObject();
    classes.remove(classId);
    root->insert(keyClasses, classes);

    // Another class may have taken the name over since; leave it to that one.
    QJsonObject progIds = root->value(keyProgIds).toObject();
    if (normalisedClassId(progIds.value(d.progId).toString()) == classId)
        progIds.remove(d.progId);
    root->insert(keyProgIds, progIds);

    QJsonObject interfaces = root->value(keyInterfaces).toObject();
    interfaces.remove(normalisedClassId(d.defaultInterfaceId));
    interfaces.remove(normalisedClassId(d.eventInterfaceId));
    root->insert(keyInterfaces, interfaces);

    QJsonObject typeLibs = root->value(keyTypeLibs).toObject();
    QJsonObject versions = typeLibs.value(typeLibId).toObject();
    versions.remove(d.typeLibVersion);
    if (versions.isEmpty())
        typeLibs.remove(typeLibId);
    else
        typeLibs.insert(typeLibId, versions);
    root->insert(keyTypeLibs, typeLibs);

    return save(*root);
}

std::optional<ControlRegistry::ClassEntry> ControlRegistry::find(
    const QString &progIdOrClassId, QString *error) const
{
    QString loadError;
    const std::optional<QJsonObject> root = load(&loadError);
    if (!root) {
        if (error)
            *error = loadError;
        return std::nullopt;
    }
    const auto notRegistered = [&]() -> std::optional<ClassEntry> {
        if (error)
            *error = QStringLiteral("\"%1\" is not registered in %2").arg(progIdOrClassId, m_path);
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
    result.serverPath = resolvedServerPath(entry.value(QStringLiteral("InprocServer")).toString());
    result.isControl = entry.value(QStringLiteral("Control")).toBool();
    result.typeLibId = entry.value(QStringLiteral("TypeLib")).toString();
    result.typeLibVersion = entry.value(QStringLiteral("Version")).toString();
    return result;
}

} // namespace Formkit
