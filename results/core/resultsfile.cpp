#include "results/resultsfile.h"

#include "formstate/programfolder.h"
#include "results/csvline.h"

#include <QFileInfo>
#include <QSaveFile>

QString resultsFilePath(const QString &folder)
{
    return program::joinPath(folder, QString::fromLatin1(resultsFileName));
}

QByteArray resultsFileBytes(const QList<QStringList> &rows)
{
    QString text;
    for (const QStringList &cells : rows)
        text += csvLine(cells, LineEnding::CrLf);
    return text.toUtf8();
}

QString resultsFileTarget(const QString &path)
{
    // As QSaveFile follows links before it writes; a loop of links it replaces.
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

std::optional<ResultsFileError> writeResultsFile(const QString &requested, const QList<QStringList> &rows)
{
    const QString path = resultsFileTarget(requested);
    // Unbuffered, so every short write shows here: QSaveFile's commit ignores a
    // buffer flush that stopped part way (a full disk) and would keep the cut file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return ResultsFileError { path, file.errorString() };
    const QByteArray bytes = resultsFileBytes(rows);
    qint64 written = 0;
    while (written < bytes.size()) {
        // A write that stops short reports nothing; the one after it gives the reason.
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = file.error() != QFileDevice::NoError
                ? file.errorString()
                : QStringLiteral("only part of the file could be written");
            file.cancelWriting();
            return ResultsFileError { path, reason };
        }
        written += n;
    }
    if (!file.commit())
        return ResultsFileError { path, file.errorString() };
    return std::nullopt;
}
