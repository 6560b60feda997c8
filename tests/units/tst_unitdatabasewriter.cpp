#include "testsupport/tempfolder.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasewriter.h"

#include <QFile>
#include <QTest>

class tst_UnitDatabaseWriter : public QObject
{
    Q_OBJECT

private slots:
    void writesEncryptedTable();
    void replacesAnOlderFile();
    void plainWhenNoPassword();
    void failsIntoAMissingFolder();

private:
    TempFolder m_dir;
};

void tst_UnitDatabaseWriter::writesEncryptedTable()
{
    const QString path = m_dir.filePath("units.mdb");
    QCOMPARE(writeUnitDatabase(path, { { "Liter", 0.001 }, { "Gallon (UK)", 0.00454609 } }, "secret"),
        std::nullopt);
    QVERIFY(!readFile(path).startsWith("SQLite format 3"));
    UnitDatabase database(path, "secret");
    QCOMPARE(database.lookupSize("Gallon (UK)").size, 0.00454609f);
    QVERIFY(!QFile::exists(path + ".part"));
}

void tst_UnitDatabaseWriter::replacesAnOlderFile()
{
    const QString path = m_dir.filePath("replaced.mdb");
    QCOMPARE(writeUnitDatabase(path, { { "Old", 1.0 } }, "secret"), std::nullopt);
    QCOMPARE(writeUnitDatabase(path, { { "New", 2.0 } }, "secret"), std::nullopt);
    UnitDatabase database(path, "secret");
    const UnitDatabaseConnection connection = database.openUnitDatabase();
    QCOMPARE(database.readUnitNames(connection, "select * from table1").names, QStringList { "New" });
}

void tst_UnitDatabaseWriter::plainWhenNoPassword()
{
    const QString path = m_dir.filePath("plain.mdb");
    QCOMPARE(writeUnitDatabase(path, { { "Liter", 0.001 } }, QByteArray()), std::nullopt);
    QVERIFY(readFile(path).startsWith("SQLite format 3"));
}

void tst_UnitDatabaseWriter::failsIntoAMissingFolder()
{
    const QString path = m_dir.filePath("no/such/folder/units.mdb");
    const std::optional<QString> error = writeUnitDatabase(path, { { "Liter", 0.001 } }, "secret");
    QVERIFY(error);
    QVERIFY2(error->startsWith("The unit database " + path + " cannot be written: "), qPrintable(*error));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(tst_UnitDatabaseWriter)
#include "tst_unitdatabasewriter.moc"
