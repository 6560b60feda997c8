#include "units/unitdatabasepath.h"

#include <QTest>

class tst_UnitDatabasePath : public QObject
{
    Q_OBJECT

private slots:
    void path_data();
    void path();
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

QTEST_APPLESS_MAIN(tst_UnitDatabasePath)
#include "tst_unitdatabasepath.moc"
