#ifndef BRIMLOW_UNITCSV_H
#define BRIMLOW_UNITCSV_H

// The reviewed unit table resources/units.csv: a header line, then one line
// per unit: name, size, and the definition the size follows. The sizes share
// one base unit, which the program never names (only their ratios matter); the
// shipped table counts in microlitres, where the metric units are whole
// numbers that a Single holds exactly (tests/units/tst_metricsweep.cpp).
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
