#ifndef BRIMLOW_CSVLINE_H
#define BRIMLOW_CSVLINE_H

// One line of the results file: every cell between double quotes and followed
// by a comma, the last one too, so `"From Unit","From Value",`. A double quote
// inside a cell is doubled, so any CSV reader gets the cell back whole; commas,
// carriage returns and line feeds need nothing more because they sit inside the
// quotes.

#include <QString>
#include <QStringList>

enum class LineEnding {
    None,
    CrLf, // carriage return, line feed: the results file's line ending
};

QString csvField(const QString &cell);
QString csvLine(const QStringList &cells, LineEnding ending = LineEnding::None);

#endif
