#include "units/unitcsv.h"

#include <QTest>

class tst_UnitCsv : public QObject
{
    Q_OBJECT

private slots:
    void splitLine_data();
    void splitLine();
    void readsRows();
    void refuses_data();
    void refuses();
};

void tst_UnitCsv::splitLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("wellFormed");
    QTest::newRow("plain fields") << "Pint (UK),0.00056826125,x"
                                  << QStringList { "Pint (UK)", "0.00056826125", "x" } << true;
    QTest::newRow("quoted comma") << "a,\"b, c\"" << QStringList { "a", "b, c" } << true;
    QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",1" << QStringList { "say \"hi\"", "1" } << true;
    QTest::newRow("empty last field") << "a," << QStringList { "a", "" } << true;
    QTest::newRow("unclosed quote") << "\"a,1" << QStringList { "a,1" } << false;
}

void tst_UnitCsv::splitLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QFETCH(bool, wellFormed);
    bool ok = !wellFormed;
    QCOMPARE(splitCsvLine(line, &ok), fields);
    QCOMPARE(ok, wellFormed);
}

void tst_UnitCsv::readsRows()
{
    const UnitCsvTable table
        = parseUnitCsv(u"unit,cubic_metres,definition\r\nGallon (UK),0.00454609,\"4.54609 L, "
                       u"exactly\"\r\n\r\nMinim (UK),5.919388020833333333333E-8\n");
    QVERIFY2(table.ok(), qPrintable(table.error));
    QCOMPARE(table.rows.size(), 2);
    QCOMPARE(table.rows[0].unit, "Gallon (UK)");
    QCOMPARE(table.rows[0].size, 0.00454609);
    QCOMPARE(table.rows[0].definition, "4.54609 L, exactly");
    QCOMPARE(table.rows[1].size, 0.00454609 / 76800);
}

void tst_UnitCsv::refuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("errorPart");
    const QString header = "unit,cubic_metres\n";
    QTest::newRow("no rows") << header << "no units";
    QTest::newRow("empty name") << header + ",1\n"
                                << "line 2: the unit has no name";
    QTest::newRow("single quote in name") << header + "Builder's pint,1\n"
                                          << "single quote";
    QTest::newRow("duplicate name") << header + "Liter,1\nLiter,2\n"
                                    << "line 3: the name \"Liter\" is there twice";
    QTest::newRow("duplicate name in other case") << header + "Liter,1\nLITER,2\n"
                                                  << "twice";
    QTest::newRow("size not a number") << header + "Liter,one\n"
                                       << "not a number";
    QTest::newRow("size missing") << header + "Liter\n"
                                  << "a name and a size";
    QTest::newRow("size zero") << header + "Liter,0\n"
                               << "not above zero";
    QTest::newRow("size negative") << header + "Liter,-1\n"
                                   << "not above zero";
    QTest::newRow("size too small for single precision") << header + "Liter,1e-50\n"
                                                         << "not above zero";
    QTest::newRow("size too large for single precision") << header + "Liter,1e300\n"
                                                         << "out of range";
    QTest::newRow("unclosed quote") << header + "\"Liter,1\n"
                                    << "not closed";
}

void tst_UnitCsv::refuses()
{
    QFETCH(QString, text);
    QFETCH(QString, errorPart);
    const UnitCsvTable table = parseUnitCsv(text);
    QVERIFY(!table.ok());
    QVERIFY2(table.error.contains(errorPart), qPrintable(table.error));
    QVERIFY(table.rows.isEmpty());
}

QTEST_APPLESS_MAIN(tst_UnitCsv)
#include "tst_unitcsv.moc"
