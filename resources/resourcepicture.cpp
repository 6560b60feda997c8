#include "resources/resourcepicture.h"

#include "resources/resourceinit.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <limits>

namespace {

const QString root = QStringLiteral(":/brimlow");

// The resource folder of a type, whatever the case of the name given.
std::optional<QString> typeFolder(const QString &resourceType)
{
    ensureBrimlowResources();
    const QStringList types = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &type : types) {
        if (type.compare(resourceType, Qt::CaseInsensitive) == 0)
            return root + QLatin1Char('/') + type;
    }
    return std::nullopt;
}

std::optional<QByteArray> readResource(const QString &name, const QString &resourceType)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return std::nullopt;
    const std::optional<QString> folder = typeFolder(resourceType);
    if (!folder)
        return std::nullopt;
    QFile file(*folder + QLatin1Char('/') + name);
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

QImage loadResourcePicture(int id, const QString &resourceType)
{
    const std::optional<QByteArray> data = resourceData(id, resourceType);
    if (!data)
        return QImage();
    return QImage::fromData(*data);
}

QIcon loadResourceIcon(const QString &name)
{
    const std::optional<QByteArray> data = readResource(name, QStringLiteral("Icon"));
    if (!data)
        return QIcon();
    const QImage image = QImage::fromData(*data, "ICO");
    if (image.isNull())
        return QIcon();
    return QIcon(QPixmap::fromImage(image));
}
