#include "resources/resourcepicture.h"

#include "resources/resourceinit.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <limits>

namespace {

const QString root = QStringLiteral(":/brimlow");

// The entry of a folder with that name, whatever its case: resource types and
// names are not case-sensitive.
std::optional<QString> entryOf(const QString &folder, const QString &name, QDir::Filters kind = QDir::Files)
{
    const QStringList entries = QDir(folder).entryList(kind | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + entry;
    }
    return std::nullopt;
}

std::optional<QString> typeFolder(const QString &resourceType)
{
    ensureBrimlowResources();
    return entryOf(root, resourceType, QDir::Dirs);
}

std::optional<QByteArray> readResource(const QString &name, const QString &resourceType)
{
    if (name.isEmpty())
        return std::nullopt;
    const std::optional<QString> folder = typeFolder(resourceType);
    if (!folder)
        return std::nullopt;
    const std::optional<QString> path = entryOf(*folder, name);
    if (!path)
        return std::nullopt;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace

std::optional<QByteArray> resourceData(int id, const QString &resourceType)
{
    // Resource numbers are 16-bit; anything outside cannot name one.
    if (id < 0 || id > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return readResource(QString::number(id), resourceType);
}

std::optional<QByteArray> resourceData(const QString &name, const QString &resourceType)
{
    return readResource(name, resourceType);
}

QImage loadResourcePicture(int id, const QString &resourceType)
{
    const std::optional<QByteArray> data = resourceData(id, resourceType);
    if (!data)
        return QImage();
    return QImage::fromData(*data);
}

QIcon loadResourceIcon(const QString &name)
{
    const std::optional<QByteArray> data = resourceData(name, QStringLiteral("Icon"));
    if (!data)
        return QIcon();
    const QImage image = QImage::fromData(*data, "ICO");
    if (image.isNull())
        return QIcon();
    return QIcon(QPixmap::fromImage(image));
}
