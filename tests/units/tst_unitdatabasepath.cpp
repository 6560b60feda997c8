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
    QTest::newRow("ordinary folder") << "/opt/brimlow"
                                     << "/opt/brimlow/brimlowDB.mdb";
    QTest::newRow("root folder gets no second slash") << "/"
                                                      << "/brimlowDB.mdb";
    QTest::newRow("folder ending in slash") << "/opt/brimlow/"
                                            << "/opt/brimlow/brimlowDB.mdb";
    QTest::newRow("folder with spaces") << "/home/a b"
                                        << "/home/a b/brimlowDB.mdb";
}

void tst_UnitDatabasePath::path()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(unitDatabasePath(folder), expected);
}

QTEST_APPLESS_MAIN(tst_UnitDatabasePath)
#include "tst_unitdatabasepath.moc"
