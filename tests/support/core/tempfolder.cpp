#include "testsupport/tempfolder.h"

#include <QFile>

QString TempFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = filePath(name);
    return writeFile(path, bytes) ? path : QString();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<missing>");
    return file.readAll();
}
