// Builds the encrypted unit database that ships beside the program from the
// reviewed unit table: makeunitdb <units.csv> <brimlowDB.mdb>

#include "units/unitcsv.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasewriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err << "usage: makeunitdb <units.csv> <brimlowDB.mdb>\n";
        return 2;
    }
    QFile csv(args[1]);
    if (!csv.open(QIODevice::ReadOnly)) {
        err << "makeunitdb: " << args[1] << ": " << csv.errorString() << '\n';
        return 1;
    }
    const UnitCsvTable table = parseUnitCsv(QString::fromUtf8(csv.readAll()));
    if (!table.ok()) {
        err << "makeunitdb: " << args[1] << ": " << table.error << '\n';
        return 1;
    }
    QList<UnitRow> rows;
    for (const UnitCsvRow &row : table.rows)
        rows.append({ row.unit, row.size });
    if (const std::optional<QString> error
        = writeUnitDatabase(args[2], rows, QByteArray(unitDatabasePassword))) {
        err << "makeunitdb: " << *error << '\n';
        return 1;
    }
    // Read it back the way the program will, so a bad file fails the build.
    UnitDatabase check(args[2]);
    if (const std::optional<QString> problem = check.verify()) {
        err << "makeunitdb: " << *problem << '\n';
        return 1;
    }
    return 0;
}
