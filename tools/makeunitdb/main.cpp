// Builds the encrypted unit database that ships beside the program from the
// reviewed unit table, and the source that gives the program that file's key:
//   makeunitdb <units.csv> <brimlowDB.mdb> [<shippedunitkey.cpp>]

#include "units/unitcsv.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasewriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

// The source of shippedUnitDatabaseKey() (units/shippedunitkey.h) for the file
// just written: its salt and the raw key derived for it.
std::optional<QString> writeKeySource(const QString &databasePath, const QString &sourcePath)
{
    QFile database(databasePath);
    if (!database.open(QIODevice::ReadOnly))
        return database.errorString();
    const QByteArray salt = database.read(16);
    const QByteArray rawKey = deriveUnitDatabaseKey(QByteArray(unitDatabasePassword), salt);
    QSaveFile source(sourcePath);
    if (!source.open(QIODevice::WriteOnly | QIODevice::Text))
        return source.errorString();
    QTextStream out(&source);
    out << "// Written by makeunitdb with brimlowDB.mdb: the raw key of that file, so that\n"
           "// opening it needs no key derivation. The password it comes from is in the\n"
           "// program anyway (unitDatabasePassword); this key opens nothing else.\n"
           "#include \"units/shippedunitkey.h\"\n\n"
           "const UnitDatabaseKey &shippedUnitDatabaseKey()\n{\n"
           "    static const UnitDatabaseKey key{QByteArray::fromHex(\""
        << salt.toHex() << "\"),\n        QByteArrayLiteral(\"" << rawKey << "\")};\n"
        << "    return key;\n}\n";
    out.flush();
    if (!source.commit())
        return source.errorString();
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        err << "usage: makeunitdb <units.csv> <brimlowDB.mdb> [<shippedunitkey.cpp>]\n";
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
    if (args.size() == 4) {
        if (const std::optional<QString> error = writeKeySource(args[2], args[3])) {
            err << "makeunitdb: " << args[3] << ": " << *error << '\n';
            return 1;
        }
    }
    return 0;
}
