#include "results/resultsfile.h"

#include "Formkit/savefile.h"
#include "formstate/programfolder.h"
#include "results/csvline.h"

#include <QFileInfo>

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
    const QString reason = Formkit::saveFile(path, resultsFileBytes(rows));
    if (!reason.isEmpty())
        return ResultsFileError { path, reason };
    return std::nullopt;
}
