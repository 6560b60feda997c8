#include "results/csvline.h"
#include "rfc4180reader.h"

#include <QTest>

class tst_CsvLine : public QObject
{
    Q_OBJECT

private slots:
    void line_data();
    void line();
    void lineWithCrLf_data();
    void lineWithCrLf();
    void readsBackAsTheCells_data();
    void readsBackAsTheCells();
};

void tst_CsvLine::line_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("expected");

    QTest::newRow("headings") << QStringList { "From Unit", "From Value", "To Unit", "To Value" }
                              << R"("From Unit","From Value","To Unit","To Value",)";
    QTest::newRow("no cells") << QStringList {} << QString();
    QTest::newRow("one empty cell") << QStringList { "" } << R"("",)";
    QTest::newRow("empty cells keep their quotes") << QStringList { "", "", "", "" } << R"("","","","",)";
    QTest::newRow("comma stays inside the quotes")
        << QStringList { "Gallon, US", "1" } << R"("Gallon, US","1",)";
    QTest::newRow("double quote doubled") << QStringList { R"(12" pipe)", "2" } << R"("12"" pipe","2",)";
    QTest::newRow("cell of one double quote") << QStringList { R"(")" } << R"("""",)";
    QTest::newRow("two quotes side by side") << QStringList { R"(a""b)" } << R"("a""""b",)";
    QTest::newRow("quote and comma together") << QStringList { R"(say "a,b")" } << R"("say ""a,b""",)";
    QTest::newRow("carriage return and line feed inside a cell")
        << QStringList { "a\r\nb" } << QString("\"a\r\nb\",");
    QTest::newRow("single quote and backslash unchanged") << QStringList { R"('x'\y)" } << R"("'x'\y",)";
    QTest::newRow("spaces kept") << QStringList { "  1 ", " " } << R"("  1 "," ",)";
    QTest::newRow("message text logged as shown") << QStringList { "No conversion" } << R"("No conversion",)";
    QTest::newRow("non-Latin text") << QStringList { QString::fromUtf8("Литр"), QString::fromUtf8("升") }
                                    << QString::fromUtf8("\"Литр\",\"升\",");
}

void tst_CsvLine::line()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, expected);
    QCOMPARE(csvLine(cells), expected);
    QCOMPARE(csvLine(cells, LineEnding::None), expected);
}

void tst_CsvLine::lineWithCrLf_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("expected");

    QTest::newRow("headings") << QStringList { "From Unit", "From Value", "To Unit", "To Value" }
                              << QString("\"From Unit\",\"From Value\",\"To Unit\",\"To Value\",\r\n");
    QTest::newRow("no cells gives an empty line") << QStringList {} << QString("\r\n");
    QTest::newRow("saved row") << QStringList { "Litre", "2.5", "Pint (UK)", "4.39938" }
                               << QString("\"Litre\",\"2.5\",\"Pint (UK)\",\"4.39938\",\r\n");
}

void tst_CsvLine::lineWithCrLf()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, expected);
    QCOMPARE(csvLine(cells, LineEnding::CrLf), expected);
}

void tst_CsvLine::readsBackAsTheCells_data()
{
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("plain") << QStringList { "Litre", "1", "Millilitre", "1,000" };
    QTest::newRow("doubled quotes") << QStringList { R"(")", R"("")", R"(a"b"c)", R"("start)", R"(end")" };
    QTest::newRow("commas") << QStringList { ",", ",,", "a,", ",b" };
    QTest::newRow("line breaks") << QStringList { "a\r\nb", "\r", "\n", "\r\n", "x\n\ry" };
    QTest::newRow("quote before line break") << QStringList { "\"\r\n\"", "\",\"" };
    QTest::newRow("empty cells") << QStringList { "", "" };
    QTest::newRow("one cell") << QStringList { "only" };
}

void tst_CsvLine::readsBackAsTheCells()
{
    QFETCH(QStringList, cells);
    const QString line = csvLine(cells, LineEnding::CrLf);

    const auto record = rfc4180::readRecord(line);
    QVERIFY2(record, qPrintable(line));
    // The whole line is one record: a CRLF inside a cell did not end it.
    QCOMPARE(record->consumed, line.size());
    // The comma after the last cell opens one more, empty field.
    QStringList expected = cells;
    expected.append(QString());
    QCOMPARE(record->fields, expected);
}

QTEST_APPLESS_MAIN(tst_CsvLine)
#include "tst_csvline.moc"
