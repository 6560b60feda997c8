#include "units/unitdatabasepath.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class tst_UnitDatabasePath : public QObject
{
    Q_OBJECT

private slots:
    void path_data();
    void path();
    void notFoundNamesBothPlaces();
};

void tst_UnitDatabasePath::path_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    // How folder and name are joined is the toolkit's rule (tst_programfolder);
    // here only that the file is brimlowDB.mdb in the folder given.
    QTest::newRow("ordinary folder") << "/opt/brimlow"
                                     << "/opt/brimlow/brimlowDB.mdb";
}

void tst_UnitDatabasePath::path()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(unitDatabasePath(folder), expected);
}

void tst_UnitDatabasePath::notFoundNamesBothPlaces()
{
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    const QDir root(prefix.path());
    QVERIFY(root.mkpath("bin"));
    QVERIFY(root.mkpath("share/brimlow"));

    const program::DataFileLocation location = locateUnitDatabase(root.filePath("bin"));
    QVERIFY(!location.layout);
    QCOMPARE(unitDatabaseNotFoundMessage(location),
        QStringLiteral("The unit database cannot be opened: the file exists neither beside the program, "
                       "at %1, nor in its installed data folder, at %2.")
            .arg(root.filePath("bin/brimlowDB.mdb"), root.filePath("share/brimlow/brimlowDB.mdb")));
}

QTEST_APPLESS_MAIN(tst_UnitDatabasePath)
#include "tst_unitdatabasepath.moc"
