#include "testsupport/tempfolder.h"
#include "units/shippedunitkey.h"
#include "units/unitcsv.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasewriter.h"

#include <sqlite3.h>

#include <QFile>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

const QString shippedDatabase = QStringLiteral(BRIMLOW_UNIT_DATABASE);
const QString reviewedTable = QStringLiteral(BRIMLOW_UNIT_TABLE);

// The legal definitions, worked out here on their own so that a slip in the
// reviewed table shows up as a difference. The table's base is the microlitre.
constexpr double cubicMetre = 1e9;
constexpr double liter = 1e6;
constexpr double milliliter = 1e3;
constexpr double inch = 0.0254;
constexpr double cubicInch = inch * inch * inch * cubicMetre;
constexpr double cubicFoot = 1728 * cubicInch;
constexpr double usGallon = 231 * cubicInch;
constexpr double usFluidOunce = usGallon / 128;
constexpr double usBushel = 2150.42 * cubicInch;
constexpr double usDryGallon = usBushel / 8;
constexpr double imperialGallon = 4.54609 * liter;
constexpr double imperialFluidOunce = imperialGallon / 160;

struct Definition
{
    const char *unit;
    double microlitres;
};

const Definition definitions[] = {
    { "Microliter", 1e-6 * liter },
    { "Milliliter", milliliter },
    { "Centiliter", 10 * milliliter },
    { "Deciliter", 100 * milliliter },
    { "Liter", liter },
    { "Dekaliter", 10 * liter },
    { "Hectoliter", 100 * liter },
    { "Kiloliter", 1000 * liter },
    { "Megaliter", 1e6 * liter },
    { "Gigaliter", 1e9 * liter },
    { "Cubic millimeter", 1e-9 * cubicMetre },
    { "Cubic centimeter", 1e-6 * cubicMetre },
    { "Cubic decimeter", 1e-3 * cubicMetre },
    { "Cubic meter", cubicMetre },
    { "Cubic dekameter", 1e3 * cubicMetre },
    { "Cubic hectometer", 1e6 * cubicMetre },
    { "Cubic kilometer", 1e9 * cubicMetre },
    { "Stere", cubicMetre },
    { "Metric cup", 250 * milliliter },
    { "Metric tablespoon", 15 * milliliter },
    { "Metric teaspoon", 5 * milliliter },
    { "Cubic inch", cubicInch },
    { "Cubic foot", cubicFoot },
    { "Cubic yard", 27 * cubicFoot },
    { "Cubic mile", 1609.344 * 1609.344 * 1609.344 * cubicMetre },
    { "Minim (US)", usFluidOunce / 480 },
    { "Fluid dram (US)", usFluidOunce / 8 },
    { "Teaspoon (US)", usFluidOunce / 6 },
    { "Tablespoon (US)", usFluidOunce / 2 },
    { "Fluid ounce (US)", usFluidOunce },
    { "Fluid ounce (US food label)", 30 * milliliter },
    { "Gill (US)", 4 * usFluidOunce },
    { "Cup (US)", 8 * usFluidOunce },
    { "Cup (US legal)", 240 * milliliter },
    { "Pint (US)", usGallon / 8 },
    { "Quart (US)", usGallon / 4 },
    { "Gallon (US)", usGallon },
    { "Barrel (US)", 31.5 * usGallon },
    { "Barrel (US oil)", 42 * usGallon },
    { "Hogshead (US)", 63 * usGallon },
    { "Pint (US dry)", usDryGallon / 8 },
    { "Quart (US dry)", usDryGallon / 4 },
    { "Gallon (US dry)", usDryGallon },
    { "Peck (US)", usBushel / 4 },
    { "Bushel (US)", usBushel },
    { "Barrel (US dry)", 7056 * cubicInch },
    { "Board foot (US)", 144 * cubicInch },
    { "Cord (US)", 128 * cubicFoot },
    { "Acre-foot (US)", 43560 * cubicFoot },
    { "Minim (UK)", imperialFluidOunce / 480 },
    { "Fluid scruple (UK)", imperialFluidOunce / 24 },
    { "Fluid drachm (UK)", imperialFluidOunce / 8 },
    { "Fluid ounce (UK)", imperialFluidOunce },
    { "Gill (UK)", 5 * imperialFluidOunce },
    { "Pint (UK)", imperialGallon / 8 },
    { "Quart (UK)", imperialGallon / 4 },
    { "Gallon (UK)", imperialGallon },
    { "Peck (UK)", 2 * imperialGallon },
    { "Bushel (UK)", 8 * imperialGallon },
    { "Firkin (UK)", 9 * imperialGallon },
    { "Kilderkin (UK)", 18 * imperialGallon },
    { "Barrel (UK)", 36 * imperialGallon },
    { "Hogshead (UK)", 54 * imperialGallon },
    { "Teaspoon (Au)", 5 * milliliter },
    { "Tablespoon (Au)", 20 * milliliter },
    { "Cup (Au)", 250 * milliliter },
    { "Kilolitre (Au)", 1000 * liter },
    { "Megalitre (Au)", 1e6 * liter },
    { "Gigalitre (Au)", 1e9 * liter },
};

const QString allAscending = QStringLiteral("select * from table1 order by unit asc");

UnitCsvTable readReviewedTable()
{
    QFile file(reviewedTable);
    if (!file.open(QIODevice::ReadOnly))
        return { {}, file.errorString() };
    return parseUnitCsv(QString::fromUtf8(file.readAll()));
}

} // namespace

class tst_UnitDatabase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // The shipped file.
    void shippedFileIsEncrypted();
    void shippedFileRefusesOtherPasswords_data();
    void shippedFileRefusesOtherPasswords();
    void shippedSizesFollowDefinitions_data();
    void shippedSizesFollowDefinitions();
    void shippedTableEqualsReviewedTable();
    void shippedNamesFollowTagRules();

    // Statements and lookups.
    void listStatements_data();
    void listStatements();
    void statementWithoutUnitColumnIsRefused();
    void lookupTakesFirstRowIgnoringCase();
    void lookupHoldsNearestSinglePrecision();
    void lookupBindsNamesWithQuotes_data();
    void lookupBindsNamesWithQuotes();
    void repeatedLookupsAgree();

    // The fast opening.
    void derivedKeyReadsWhatThePasswordReads();
    void derivedKeyFollowsARebuiltFile();
    void failedFileIsRememberedUntilItChanges();
    void keyPreparedInBackground();
    void keyPreparedForMissingFile();
    void shippedFileOpensWithTheBuildsKey();
    void rebuiltFileOpensByDerivingItsKey();

    // Failures.
    void brokenFiles_data();
    void brokenFiles();
    void badSizes_data();
    void badSizes();
    void verifyFindsBadRows_data();
    void verifyFindsBadRows();
    void missingTable();

private:
    QString writeTestDatabase(const QString &name, const QList<UnitRow> &rows,
        const QByteArray &password = QByteArray(unitDatabasePassword));
    TempFolder m_dir;
};

QString tst_UnitDatabase::writeTestDatabase(
    const QString &name, const QList<UnitRow> &rows, const QByteArray &password)
{
    const QString path = m_dir.filePath(name);
    const std::optional<QString> error = writeUnitDatabase(path, rows, password);
    if (error)
        qWarning("%s", qPrintable(*error));
    return error ? QString() : path;
}

void tst_UnitDatabase::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(QFile::exists(shippedDatabase), qPrintable(shippedDatabase));
}

void tst_UnitDatabase::shippedFileIsEncrypted()
{
    const QByteArray bytes = readFile(shippedDatabase);
    QVERIFY(bytes.size() >= 1024);
    QVERIFY(!bytes.startsWith("SQLite format 3"));
    QVERIFY(!bytes.contains("table1"));
    QVERIFY(!bytes.contains("Gallon"));
    UnitDatabase database(shippedDatabase);
    const std::optional<QString> problem = database.verify();
    QVERIFY2(!problem, qPrintable(problem.value_or(QString())));
}

void tst_UnitDatabase::shippedFileRefusesOtherPasswords_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::newRow("no password") << QByteArray();
    QTest::newRow("one letter off") << QByteArray("tolvek362");
    QTest::newRow("other case") << QByteArray("TOLVEK361");
}

void tst_UnitDatabase::shippedFileRefusesOtherPasswords()
{
    QFETCH(QByteArray, password);
    UnitDatabase database(shippedDatabase, password);
    const UnitDatabaseConnection connection = database.openUnitDatabase();
    QVERIFY(!connection.isOpen());
    QCOMPARE(connection.errorText(),
        QStringLiteral("The unit database %1 cannot be opened: the password was refused.")
            .arg(shippedDatabase));
    QVERIFY(!database.lookupSize("Liter").ok());
}

void tst_UnitDatabase::shippedSizesFollowDefinitions_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("microlitres");
    for (const Definition &d : definitions)
        QTest::newRow(d.unit) << QString::fromLatin1(d.unit) << d.microlitres;
}

void tst_UnitDatabase::shippedSizesFollowDefinitions()
{
    QFETCH(QString, unit);
    QFETCH(double, microlitres);
    static UnitDatabase database(shippedDatabase);
    const UnitSizeResult size = database.lookupSize(unit);
    QVERIFY2(size.ok(), qPrintable(size.error));
    QCOMPARE(size.size, static_cast<float>(microlitres));
}

void tst_UnitDatabase::shippedTableEqualsReviewedTable()
{
    const UnitCsvTable table = readReviewedTable();
    QVERIFY2(table.ok(), qPrintable(table.error));
    QVERIFY(table.rows.size() >= 60);

    UnitDatabase database(shippedDatabase);
    QSet<QString> reviewedNames;
    for (const UnitCsvRow &row : table.rows) {
        reviewedNames.insert(row.unit);
        const UnitSizeResult size = database.lookupSize(row.unit);
        QVERIFY2(size.ok(), qPrintable(size.error));
        QCOMPARE(size.size, static_cast<float>(row.size));
    }

    QSet<QString> definedNames;
    for (const Definition &d : definitions)
        definedNames.insert(QString::fromLatin1(d.unit));
    QCOMPARE(reviewedNames, definedNames);

    const UnitDatabaseConnection connection = database.openUnitDatabase();
    const UnitNamesResult names = database.readUnitNames(connection, allAscending);
    QVERIFY2(names.ok(), qPrintable(names.error));
    QCOMPARE(names.names.size(), table.rows.size());
    QCOMPARE(QSet<QString>(names.names.cbegin(), names.names.cend()), reviewedNames);
}

void tst_UnitDatabase::shippedNamesFollowTagRules()
{
    const UnitCsvTable table = readReviewedTable();
    QVERIFY2(table.ok(), qPrintable(table.error));
    // Cubes of the international inch, foot, yard and mile are the same in
    // every region, so they carry no tag.
    const QSet<QString> untagged { "Cubic inch", "Cubic foot", "Cubic yard", "Cubic mile" };
    for (const UnitCsvRow &row : table.rows) {
        const QString &name = row.unit;
        QVERIFY2(!name.contains(u'\''), qPrintable(name));
        QVERIFY2(name == name.trimmed(), qPrintable(name));
        const bool metric
            = name.contains("ter", Qt::CaseInsensitive) || name.contains("metric", Qt::CaseInsensitive);
        // Every name sits in exactly one group, so no ordering lists it twice
        // and each region tag is written the one way.
        int groups = metric ? 1 : 0;
        for (const char *tag : { "(UK)", "(US)", "(US ", "(Au)" }) {
            if (name.contains(QLatin1StringView(tag)))
                ++groups;
        }
        if (name.contains("metric", Qt::CaseInsensitive) && name.contains("ter", Qt::CaseInsensitive))
            ++groups;
        for (const char *tag : { "(UK", "(US", "(Au" }) {
            const QLatin1StringView t(tag);
            for (qsizetype at = name.indexOf(t, 0, Qt::CaseInsensitive); at >= 0;
                 at = name.indexOf(t, at + 1, Qt::CaseInsensitive)) {
                if (QStringView(name).mid(at, t.size()) != t)
                    QFAIL(qPrintable(QStringLiteral("%1: region tag in the wrong case").arg(name)));
            }
        }
        if (untagged.contains(name))
            QCOMPARE(groups, 0);
        else
            QVERIFY2(groups == 1, qPrintable(name));
    }
}

void tst_UnitDatabase::listStatements_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("all ascending") << "select * from table1 order by unit asc"
                                   << QStringList { "Acre-foot", "Barrel (UK) (US)", "Bushel (UK)", "cask",
                                          "Cup (Au)", "Gallon (US)", "gill (uk)", "Liter", "LITER",
                                          "metric cup", "Metric liter", "Quarter", "teaspoon (au)" };
    QTest::newRow("metric: ter anywhere") << "select * from table1 where unit like '*ter*' order by unit asc"
                                          << QStringList { "Liter", "LITER", "Metric liter", "Quarter" };
    QTest::newRow("metric: metric in any case")
        << "select * from table1 where unit like '*metric*' order by unit asc"
        << QStringList { "metric cup", "Metric liter" };
    QTest::newRow("metric: the others")
        << "select * from table1 where unit not like '*ter*' and unit not like '*metric*' order by unit asc"
        << QStringList { "Acre-foot", "Barrel (UK) (US)", "Bushel (UK)", "cask", "Cup (Au)", "Gallon (US)",
               "gill (uk)", "teaspoon (au)" };
    QTest::newRow("UK tag in any case") << "select * from table1 where unit like '*(UK*' order by unit asc"
                                        << QStringList { "Barrel (UK) (US)", "Bushel (UK)", "gill (uk)" };
    QTest::newRow("US tag") << "select * from table1 where unit like '*(US*' order by unit asc"
                            << QStringList { "Barrel (UK) (US)", "Gallon (US)" };
    QTest::newRow("neither UK nor US")
        << "select * from table1 where unit not like '*(UK*' and unit not like '*(US*' order by unit asc"
        << QStringList { "Acre-foot", "cask", "Cup (Au)", "Liter", "LITER", "metric cup", "Metric liter",
               "Quarter", "teaspoon (au)" };
    QTest::newRow("Au tag in any case") << "select * from table1 where unit like '*(Au*' order by unit asc"
                                        << QStringList { "Cup (Au)", "teaspoon (au)" };
    QTest::newRow("not Au") << "select * from table1 where unit not like '*(Au*' order by unit asc"
                            << QStringList { "Acre-foot", "Barrel (UK) (US)", "Bushel (UK)", "cask",
                                   "Gallon (US)", "gill (uk)", "Liter", "LITER", "metric cup", "Metric liter",
                                   "Quarter" };
}

void tst_UnitDatabase::listStatements()
{
    QFETCH(QString, statement);
    QFETCH(QStringList, expected);
    const QString path = writeTestDatabase("lists.mdb",
        { { "Quarter", 1.0 }, { "Gallon (US)", 2.0 }, { "gill (uk)", 3.0 }, { "Barrel (UK) (US)", 4.0 },
            { "Metric liter", 5.0 }, { "cask", 6.0 }, { "Acre-foot", 7.0 }, { "Cup (Au)", 8.0 },
            { "Liter", 9.0 }, { "LITER", 10.0 }, { "metric cup", 11.0 }, { "Bushel (UK)", 12.0 },
            { "teaspoon (au)", 13.0 } });
    QVERIFY(!path.isEmpty());
    UnitDatabase database(path);
    const UnitDatabaseConnection connection = database.openUnitDatabase();
    QVERIFY2(connection.isOpen(), qPrintable(connection.errorText()));
    const UnitNamesResult names = database.readUnitNames(connection, statement);
    QVERIFY2(names.ok(), qPrintable(names.error));
    QCOMPARE(names.names, expected);
}

void tst_UnitDatabase::statementWithoutUnitColumnIsRefused()
{
    const QString path = writeTestDatabase("nounit.mdb", { { "Liter", 0.001 } });
    UnitDatabase database(path);
    const UnitDatabaseConnection connection = database.openUnitDatabase();
    const UnitNamesResult names = database.readUnitNames(connection, "select value from table1");
    QVERIFY(!names.ok());
    QVERIFY(names.error.contains(path));
    QVERIFY(names.names.isEmpty());
}

void tst_UnitDatabase::lookupTakesFirstRowIgnoringCase()
{
    const QString path = writeTestDatabase("case.mdb", { { "Liter", 0.001 }, { "LITER", 0.002 } });
    UnitDatabase database(path);
    for (const QString &name :
        { QStringLiteral("Liter"), QStringLiteral("LITER"), QStringLiteral("liter") }) {
        const UnitSizeResult size = database.lookupSize(name);
        QVERIFY2(size.ok(), qPrintable(size.error));
        QCOMPARE(size.size, 0.001f);
    }
}

void tst_UnitDatabase::lookupHoldsNearestSinglePrecision()
{
    const QString path = writeTestDatabase("pint.mdb", { { "Pint (US)", 0.000473176473 } });
    UnitDatabase database(path);
    const UnitSizeResult size = database.lookupSize("Pint (US)");
    QVERIFY2(size.ok(), qPrintable(size.error));
    QCOMPARE(size.size, static_cast<float>(0.000473176473));
    // Not merely close: the nearest single, neither neighbour.
    QVERIFY(std::fabs(double(size.size) - 0.000473176473)
        <= std::fabs(double(std::nextafter(size.size, 1.0f)) - 0.000473176473));
}

void tst_UnitDatabase::lookupBindsNamesWithQuotes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<float>("size");
    QTest::newRow("name with a quote") << "Builder's pint" << true << 0.0005f;
    QTest::newRow("name with two quotes") << "The 'big' cask" << true << 0.2f;
    QTest::newRow("quote that would end the text") << "x' or '1'='1" << false << 0.0f;
    QTest::newRow("quote with a comment") << "Liter' --" << false << 0.0f;
}

void tst_UnitDatabase::lookupBindsNamesWithQuotes()
{
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(float, size);
    const QString path = writeTestDatabase(
        "quotes.mdb", { { "Liter", 0.001 }, { "Builder's pint", 0.0005 }, { "The 'big' cask", 0.2 } });
    UnitDatabase database(path);
    const UnitSizeResult result = database.lookupSize(name);
    QCOMPARE(result.ok(), found);
    QCOMPARE(result.size, size);
    if (!found) {
        QCOMPARE(result.error,
            QStringLiteral("The unit database %1 has no row for the unit \"%2\".").arg(path, name));
    }
}

void tst_UnitDatabase::repeatedLookupsAgree()
{
    UnitDatabase database(shippedDatabase);
    const UnitSizeResult first = database.lookupSize("Gallon (UK)");
    const UnitSizeResult second = database.lookupSize("Gallon (UK)");
    QVERIFY(first.ok() && second.ok());
    QCOMPARE(first.size, second.size);
}

void tst_UnitDatabase::derivedKeyReadsWhatThePasswordReads()
{
    UnitDatabase database(shippedDatabase);
    QVERIFY(!database.hasDerivedKey());
    UnitDatabaseConnection fast = database.openUnitDatabase();
    QVERIFY2(fast.isOpen(), qPrintable(fast.errorText()));
    // The opening went through the derived raw key, not a fallback.
    QVERIFY(database.hasDerivedKey());
    const UnitNamesResult fastNames = database.readUnitNames(fast, allAscending);
    fast.close();

    const UnitDatabaseConnection slow = database.openWithPasswordOnly();
    QVERIFY2(slow.isOpen(), qPrintable(slow.errorText()));
    const UnitNamesResult slowNames = database.readUnitNames(slow, allAscending);
    QVERIFY(fastNames.ok() && slowNames.ok());
    QVERIFY(fastNames.names.size() >= 60);
    QCOMPARE(fastNames.names, slowNames.names);

    // A second opening reuses the key and reads the same.
    const UnitDatabaseConnection again = database.openUnitDatabase();
    QVERIFY(database.hasDerivedKey());
    QCOMPARE(database.readUnitNames(again, allAscending).names, fastNames.names);
}

void tst_UnitDatabase::derivedKeyFollowsARebuiltFile()
{
    const QString path = writeTestDatabase("rebuilt.mdb", { { "Old unit", 1.0 } });
    UnitDatabase database(path);
    QCOMPARE(database.lookupSize("Old unit").size, 1.0f);
    QVERIFY(database.hasDerivedKey());
    // A rebuilt file has a new salt, so the kept key no longer fits it.
    QCOMPARE(writeTestDatabase("rebuilt.mdb", { { "New unit", 2.0 } }), path);
    const UnitSizeResult size = database.lookupSize("New unit");
    QVERIFY2(size.ok(), qPrintable(size.error));
    QCOMPARE(size.size, 2.0f);
    QVERIFY(!database.lookupSize("Old unit").ok());
}

void tst_UnitDatabase::failedFileIsRememberedUntilItChanges()
{
    const QString path = m_dir.filePath("remembered.mdb");
    const QByteArray good = readFile(shippedDatabase);
    QVERIFY(writeFile(path, good));
    UnitDatabase database(path);
    QVERIFY(database.lookupSize("Liter").ok());
    QCOMPARE(database.keyDerivations(), 1);

    // Scribbled over behind the salt: the kept key is the right one, so the
    // file is damaged, and telling so needs no derivation, however often asked.
    QByteArray scribbled = good;
    for (int i = 64; i < 128; ++i)
        scribbled[i] = char(~scribbled[i]);
    QVERIFY(writeFile(path, scribbled));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(database.lookupSize("Liter").error,
            QStringLiteral("The unit database %1 cannot be opened: the file is damaged.").arg(path));
    QCOMPARE(database.keyDerivations(), 1);

    // Another program's file: one derivation for its salt, then remembered.
    QCOMPARE(writeTestDatabase("remembered.mdb", { { "Liter", 0.001 } }, "another"), path);
    for (int i = 0; i < 3; ++i)
        QVERIFY(database.lookupSize("Liter").error.endsWith("the password was refused."));
    QCOMPARE(database.keyDerivations(), 2);

    // The good file back: the key kept for it still opens it.
    QVERIFY(writeFile(path, good));
    QVERIFY(database.lookupSize("Liter").ok());
    QCOMPARE(database.keyDerivations(), 2);
}

void tst_UnitDatabase::keyPreparedInBackground()
{
    UnitDatabase database(shippedDatabase);
    database.prepareKeyInBackground();
    QVERIFY(!database.verify());
    QVERIFY(database.hasDerivedKey());
    const UnitSizeResult size = database.lookupSize("Gallon (UK)");
    QVERIFY2(size.ok(), qPrintable(size.error));
    QCOMPARE(size.size, float(4.54609e6)); // a UK gallon in microlitres
}

void tst_UnitDatabase::keyPreparedForMissingFile()
{
    UnitDatabase database(m_dir.filePath("absent.mdb"));
    database.prepareKeyInBackground();
    const std::optional<QString> error = database.verify();
    QVERIFY(error);
    QVERIFY2(error->contains("absent.mdb"), qPrintable(*error));
    QVERIFY(!database.hasDerivedKey());
}

void tst_UnitDatabase::shippedFileOpensWithTheBuildsKey()
{
    UnitDatabase database(shippedDatabase);
    database.prepareKey(shippedUnitDatabaseKey());
    QVERIFY(!database.verify());
    const UnitSizeResult size = database.lookupSize("Gallon (UK)");
    QVERIFY2(size.ok(), qPrintable(size.error));
    QCOMPARE(size.size, float(4.54609e6)); // a UK gallon in microlitres
    QCOMPARE(database.keyDerivations(), 0);
}

void tst_UnitDatabase::rebuiltFileOpensByDerivingItsKey()
{
    // The shipped rows written again with the password: the file gets a new salt.
    QFile table(reviewedTable);
    QVERIFY(table.open(QIODevice::ReadOnly));
    QList<UnitRow> rows;
    for (const UnitCsvRow &row : parseUnitCsv(QString::fromUtf8(table.readAll())).rows)
        rows.append({ row.unit, row.size });
    const QString path = writeTestDatabase("rebuilt-shipped.mdb", rows);
    QVERIFY(!path.isEmpty());

    UnitDatabase database(path);
    database.prepareKey(shippedUnitDatabaseKey());
    QVERIFY(!database.verify());
    const UnitSizeResult size = database.lookupSize("Gallon (UK)");
    QVERIFY2(size.ok(), qPrintable(size.error));
    QCOMPARE(size.size, float(4.54609e6)); // a UK gallon in microlitres
    // One derivation for the new salt, kept for every later opening.
    QCOMPARE(database.keyDerivations(), 1);
}

void tst_UnitDatabase::brokenFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << "missing"
                                  << "cannot be opened: the file does not exist.";
    QTest::newRow("folder in its place") << "folder"
                                         << "cannot be opened: it is a folder, not a file.";
    QTest::newRow("empty file") << "empty"
                                << "cannot be opened: the file is empty.";
    QTest::newRow("cut inside the first page")
        << "truncated"
        << "cannot be opened: the file is damaged or is not a unit database.";
    QTest::newRow("text file") << "text"
                               << "cannot be opened: the file is damaged or is not a unit database.";
    QTest::newRow("plain database") << "plain"
                                    << "cannot be opened: the file is not protected by the unit password.";
    QTest::newRow("random bytes") << "random"
                                  << "cannot be opened: the password was refused.";
    QTest::newRow("wrong password") << "password"
                                    << "cannot be opened: the password was refused.";
    QTest::newRow("cut after the first page") << "firstpage"
                                              << "the file is damaged.";
}

void tst_UnitDatabase::brokenFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath("broken-" + kind + ".mdb");
    const QByteArray shipped = readFile(shippedDatabase);
    QVERIFY(shipped.size() > 1024);
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "empty") {
        QVERIFY(writeFile(path, {}));
    } else if (kind == "truncated") {
        QVERIFY(writeFile(path, shipped.left(1000)));
    } else if (kind == "firstpage") {
        QVERIFY(writeFile(path, shipped.left(1024)));
    } else if (kind == "text") {
        QVERIFY(writeFile(path, "unit,value\nLiter,0.001\n"));
    } else if (kind == "plain") {
        QCOMPARE(writeTestDatabase("broken-plain.mdb", { { "Liter", 0.001 } }, QByteArray()), path);
    } else if (kind == "random") {
        QByteArray noise(4096, Qt::Uninitialized);
        QRandomGenerator generator(361);
        for (char &c : noise)
            c = char(generator.bounded(256));
        QVERIFY(writeFile(path, noise));
    } else if (kind == "password") {
        QCOMPARE(writeTestDatabase("broken-password.mdb", { { "Liter", 0.001 } }, "another"), path);
    }

    UnitDatabase database(path);
    const std::optional<QString> problem = database.verify();
    QVERIFY(problem);
    QVERIFY2(problem->startsWith(QStringLiteral("The unit database %1 ").arg(path)), qPrintable(*problem));
    QVERIFY2(problem->contains(reason), qPrintable(*problem));

    const UnitSizeResult size = database.lookupSize("Liter");
    QVERIFY(!size.ok());
    QVERIFY(size.error.contains(path));

    const UnitDatabaseConnection connection = database.openUnitDatabase();
    const UnitNamesResult names = database.readUnitNames(connection, allAscending);
    QVERIFY(!names.ok());
    QVERIFY(names.error.contains(path));
}

void tst_UnitDatabase::badSizes_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("reason");
    QTest::newRow("zero") << "Zero"
                          << "holds the size 0 for the unit \"Zero\", which is not above zero.";
    QTest::newRow("negative") << "Negative"
                              << "holds the size -1 for the unit \"Negative\", which is not above zero.";
    QTest::newRow("null") << "Null"
                          << "has no size for the unit \"Null\": the value is empty.";
    QTest::newRow("empty text") << "Blank"
                                << "has no size for the unit \"Blank\": the value is empty.";
    QTest::newRow("word") << "Word"
                          << "holds \"lots\" as the size of the unit \"Word\", which is not a number.";
    QTest::newRow("too large for single precision")
        << "Huge"
        << "holds a size for the unit \"Huge\" that is out of range.";
    QTest::newRow("too small for single precision")
        << "Tiny"
        << "holds the size 1e-50 for the unit \"Tiny\", which is not above zero.";
    QTest::newRow("no row") << "Nothing"
                            << "has no row for the unit \"Nothing\".";
}

void tst_UnitDatabase::badSizes()
{
    QFETCH(QString, unit);
    QFETCH(QString, reason);
    const QString path = writeTestDatabase("sizes.mdb",
        { { "Good", 0.5 }, { "Zero", 0.0 }, { "Negative", -1.0 }, { "Null", QVariant() },
            { "Blank", QString("  ") }, { "Word", QString("lots") }, { "Huge", 1e300 }, { "Tiny", 1e-50 } });
    UnitDatabase database(path);
    QCOMPARE(database.lookupSize("Good").size, 0.5f);
    const UnitSizeResult size = database.lookupSize(unit);
    QVERIFY(!size.ok());
    QCOMPARE(size.size, 0.0f);
    QCOMPARE(size.error, QStringLiteral("The unit database %1 %2").arg(path, reason));
}

void tst_UnitDatabase::verifyFindsBadRows_data()
{
    QTest::addColumn<QList<UnitRow>>("rows");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no rows") << QList<UnitRow> {} << "holds no units.";
    QTest::newRow("a zero size after good rows") << QList<UnitRow> { { "Liter", 0.001 }, { "Zero", 0.0 } }
                                                 << "for the unit \"Zero\", which is not above zero.";
    QTest::newRow("an empty size") << QList<UnitRow> { { "Liter", QVariant() } } << "the value is empty.";
    QTest::newRow("an empty name") << QList<UnitRow> { { "", 0.001 } } << "holds a unit without a name.";
}

void tst_UnitDatabase::verifyFindsBadRows()
{
    QFETCH(QList<UnitRow>, rows);
    QFETCH(QString, reason);
    const QString path = writeTestDatabase("verify.mdb", rows);
    UnitDatabase database(path);
    const std::optional<QString> problem = database.verify();
    QVERIFY(problem);
    QVERIFY2(problem->startsWith("The unit database " + path), qPrintable(*problem));
    QVERIFY2(problem->endsWith(reason), qPrintable(*problem));
}

void tst_UnitDatabase::missingTable()
{
    // An encrypted file with the right password but some other table.
    const QString path = m_dir.filePath("othertable.mdb");
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_key(db, unitDatabasePassword, int(qstrlen(unitDatabasePassword))), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "create table units (name text)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    UnitDatabase database(path);
    const std::optional<QString> problem = database.verify();
    QVERIFY(problem);
    QCOMPARE(
        *problem, QStringLiteral("The unit database %1 cannot be read: no such table: table1.").arg(path));
    QVERIFY(database.lookupSize("Liter").error.contains("no such table: table1"));
}

QTEST_GUILESS_MAIN(tst_UnitDatabase)
#include "tst_unitdatabase.moc"
