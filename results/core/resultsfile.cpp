#include "results/resultsfile.h"

#include "Formkit/savefile.h"
#include "formstate/programfolder.h"
#include "results/csvline.h"

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

std::optional<ResultsFileError> writeResultsFile(const QString &path, const QList<QStringList> &rows)
{
    const QString reason = Formkit::saveFile(path, resultsFileBytes(rows));
    if (!reason.isEmpty())
        return ResultsFileError { path, reason };
    return std::nullopt;
}
