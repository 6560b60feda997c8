#ifndef BRIMLOW_UNITCSV_H
#define BRIMLOW_UNITCSV_H

// The reviewed unit table resources/units.csv: a header line, then one line
// per unit: name, size in cubic metres, and the definition the size follows.
// Fields may be quoted ("...", a doubled quote inside stands for one).

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

struct UnitCsvRow
{
    QString unit;
    double size = 0.0;
    QString definition;
};

struct UnitCsvTable
{
    QList<UnitCsvRow> rows;
    QString error; // empty when the whole text was read
    bool ok() const { return error.isEmpty(); }
};

// The fields of one line.
QStringList splitCsvLine(QStringView line, bool *wellFormed = nullptr);

// Reads the whole text. Refuses a name that is empty, holds a single quote
// or repeats another one (names compare without regard to case, as the
// lookups do), and a size that is not a number above zero.
UnitCsvTable parseUnitCsv(QStringView text);

#endif
