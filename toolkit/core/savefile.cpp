#include "Formkit/savefile.h"

#include <QSaveFile>

namespace Formkit {

QString saveFile(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, so every short write shows here: QSaveFile's commit ignores a
    // buffer flush that stopped part way (a full disk) and would keep the cut file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    qint64 written = 0;
    while (written < bytes.size()) {
        // A write that stops short reports nothing; the one after it gives the reason.
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = file.error() != QFileDevice::NoError
                ? file.errorString()
                : QStringLiteral("only part of the file could be written");
            file.cancelWriting();
            return reason;
        }
        written += n;
    }
    if (!file.commit())
        return file.errorString().isEmpty() ? QStringLiteral("the file could not be committed")
                                            : file.errorString();
    return {};
}

} // namespace Formkit
