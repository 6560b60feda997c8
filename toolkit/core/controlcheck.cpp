// What the runtime checks before it trusts a file: a registry is read only when
// it is a plain file of this user (or root) that nobody else may write, and a
// control library is loaded only when its plug-in metadata, read from the file
// without running it, names the class asked for and this runtime's interface.

#include "componentruntime_p.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Formkit::componentruntime {

namespace {

// The interface a control library declares in its Q_PLUGIN_METADATA, and the
// version of the runtime's binary interface (its SONAME major) it serves.
const QString controlInterfaceId = QStringLiteral("org.formkit.Control");
const QString keyInterfaceVersion = QStringLiteral("FormkitInterface");
const QString keyClasses = QStringLiteral("Classes");

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

class FileDescriptor final
{
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    { }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

QString readRegistryFile(const QString &path, QByteArray *content)
{
    *content = QByteArray();
    const auto refused = [&](const QString &reason) {
        return QStringLiteral("the control registry %1 is not read: %2").arg(path, reason);
    };
    // Opened without blocking, so a FIFO in the registry's place costs nothing;
    // everything after is checked on what was opened, not on the name again.
    const QByteArray name = QFile::encodeName(path);
    const FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return {};
        return refused(systemError());
    }
    struct stat status
    {
    };
    if (::fstat(fd.get(), &status) != 0)
        return refused(systemError());
    if (!S_ISREG(status.st_mode))
        return refused(QStringLiteral("it is not a regular file"));
    if (status.st_uid != ::geteuid() && status.st_uid != 0)
        return refused(QStringLiteral("it belongs to another user"));
    if (status.st_mode & S_IWOTH)
        return refused(QStringLiteral("everybody may write it"));
    if (status.st_size > registryFileCap)
        return refused(QStringLiteral("it is larger than %1 bytes").arg(registryFileCap));

    // Never more than the cap, should the file grow while it is read.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return refused(systemError());
        }
        if (n == 0)
            break;
        filled += n;
        if (filled > registryFileCap)
            return refused(QStringLiteral("it is larger than %1 bytes").arg(registryFileCap));
        if (filled == bytes.size() && bytes.size() <= registryFileCap)
            bytes.resize(qMin<qsizetype>(bytes.size() * 2, registryFileCap + 1));
    }
    bytes.truncate(filled);
    *content = bytes.isNull() ? QByteArray("") : bytes;
    return {};
}

QString controlLibraryProblem(const QString &path, const QString &classId)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QStringLiteral("the library is not there");
    if (!file.isFile())
        return QStringLiteral("it is not a library file");
    // Qt reads a plug-in's metadata from its file without loading it.
    const QJsonObject metaData = QPluginLoader(file.absoluteFilePath()).metaData();
    if (metaData.isEmpty())
        return QStringLiteral("it carries no control metadata");
    if (metaData.value(QStringLiteral("IID")).toString() != controlInterfaceId)
        return QStringLiteral("its metadata is not a control's (%1)")
            .arg(metaData.value(QStringLiteral("IID")).toString());
    const QJsonObject own = metaData.value(QStringLiteral("MetaData")).toObject();
    const int version = own.value(keyInterfaceVersion).toInt(-1);
    if (version != FORMKIT_INTERFACE_VERSION)
        return QStringLiteral("it was built for runtime interface %1, this runtime serves %2")
            .arg(version)
            .arg(FORMKIT_INTERFACE_VERSION);
    const QJsonArray classes = own.value(keyClasses).toArray();
    for (const QJsonValue &served : classes) {
        if (served.toString().trimmed().compare(classId.trimmed(), Qt::CaseInsensitive) == 0)
            return {};
    }
    return QStringLiteral("its metadata does not name the class %1").arg(classId);
}

} // namespace Formkit::componentruntime
