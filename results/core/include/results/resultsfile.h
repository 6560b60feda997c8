#ifndef BRIMLOW_RESULTSFILE_H
#define BRIMLOW_RESULTSFILE_H

// The results file "BrimlowCSV.txt": one CSV line per row, UTF-8, lines ended
// by carriage return and line feed. It is written whole or not at all: the new
// text goes to a temporary file beside the old one and replaces it only once
// complete, so a full disk or a lost write never leaves half a file behind.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

inline constexpr char resultsFileName[] = "BrimlowCSV.txt";

// The results file in a folder, with exactly one "/" between the two.
QString resultsFilePath(const QString &folder);

// The file's whole content for these rows, as written to disk.
QByteArray resultsFileBytes(const QList<QStringList> &rows);

// The file that a write to path replaces: path itself, or, when path is a
// symbolic link, the end of its chain of links (the links stay as they are).
QString resultsFileTarget(const QString &path);

struct ResultsFileError
{
    QString path;
    QString reason;
};

// Writes the rows to the file at path, replacing any earlier file (through a
// link, the file it points to). Nothing is returned on success; otherwise the
// file that could not be written (resultsFileTarget) and the system's reason,
// and the file that was there before is left as it was.
std::optional<ResultsFileError> writeResultsFile(const QString &path, const QList<QStringList> &rows);

#endif
