#include "results/resultsfile.h"

#include "filesizelimit.h"
#include "testsupport/tempfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

class tst_ResultsFile : public QObject
{
    Q_OBJECT

private slots:
    void path_data();
    void path();
    void bytes_data();
    void bytes();
    void writesTheBytes();
    void replacesALongerEarlierFile();
    void parentIsAFile();
    void pathIsAFolder();
    void diskFullLeavesTheEarlierFileWhole();
};

static const QStringList headings { "From Unit", "From Value", "To Unit", "To Value" };

void tst_ResultsFile::path_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");

    // How folder and name are joined is the toolkit's rule (tst_programfolder);
    // here only that the file is BrimlowCSV.txt in the folder given.
    QTest::newRow("folder") << "/opt/brimlow"
                            << "/opt/brimlow/BrimlowCSV.txt";
}

void tst_ResultsFile::path()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(resultsFilePath(folder), expected);
}

void tst_ResultsFile::bytes_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("headings only") << QList<QStringList> { headings }
                                   << QByteArray(
                                          "\"From Unit\",\"From Value\",\"To Unit\",\"To Value\",\r\n");
    QTest::newRow("headings and two rows")
        << QList<QStringList> { headings, { "Litre", "2", "Millilitre", "2,000" },
               { "Cup", "", "Gill", "No conversion" } }
        << QByteArray("\"From Unit\",\"From Value\",\"To Unit\",\"To Value\",\r\n"
                      "\"Litre\",\"2\",\"Millilitre\",\"2,000\",\r\n"
                      "\"Cup\",\"\",\"Gill\",\"No conversion\",\r\n");
    QTest::newRow("UTF-8 without byte order mark")
        << QList<QStringList> { { QString::fromUtf8("Литр"), QString::fromUtf8("½") } }
        << QByteArray("\"\xd0\x9b\xd0\xb8\xd1\x82\xd1\x80\",\"\xc2\xbd\",\r\n");
    QTest::newRow("no rows") << QList<QStringList> {} << QByteArray();
}

void tst_ResultsFile::bytes()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QByteArray, expected);
    QCOMPARE(resultsFileBytes(rows), expected);
}

void tst_ResultsFile::writesTheBytes()
{
    TempFolder dir;
    QVERIFY(dir.isValid());
    const QString path = resultsFilePath(dir.path());
    const QList<QStringList> rows { headings, { "Litre", "1", "Pint \"UK\"", "1.75975" } };

    QVERIFY(!writeResultsFile(path, rows));
    QCOMPARE(readFile(path), resultsFileBytes(rows));
    // Only the file itself is left in the folder, no temporary beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "BrimlowCSV.txt" });
}

void tst_ResultsFile::replacesALongerEarlierFile()
{
    TempFolder dir;
    QVERIFY(dir.isValid());
    const QString path = resultsFilePath(dir.path());
    QVERIFY(writeFile(path, QByteArray(4096, 'x')));

    QVERIFY(!writeResultsFile(path, { headings }));
    QCOMPARE(readFile(path), resultsFileBytes({ headings }));
}

void tst_ResultsFile::parentIsAFile()
{
    TempFolder dir;
    QVERIFY(dir.isValid());
    const QString notAFolder = dir.write("program", "a file, not a folder");
    QVERIFY(!notAFolder.isEmpty());
    const QString path = resultsFilePath(notAFolder);

    const auto error = writeResultsFile(path, { headings });
    QVERIFY(error);
    QCOMPARE(error->path, path);
    QVERIFY(!error->reason.isEmpty());
    QCOMPARE(readFile(notAFolder), QByteArray("a file, not a folder"));
}

void tst_ResultsFile::pathIsAFolder()
{
    TempFolder dir;
    QVERIFY(dir.isValid());
    const QString path = resultsFilePath(dir.path());
    QVERIFY(QDir(dir.path()).mkdir("BrimlowCSV.txt"));

    const auto error = writeResultsFile(path, { headings });
    QVERIFY(error);
    QCOMPARE(error->path, path);
    QVERIFY(!error->reason.isEmpty());
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {});
}

void tst_ResultsFile::diskFullLeavesTheEarlierFileWhole()
{
    TempFolder dir;
    QVERIFY(dir.isValid());
    const QString path = resultsFilePath(dir.path());
    const QList<QStringList> earlier { headings, { "Litre", "1", "Cup", "4.22675" } };
    QVERIFY(!writeResultsFile(path, earlier));

    QList<QStringList> longer = earlier;
    for (int i = 0; i < 50; ++i)
        longer.append({ "Gallon (US)", QString::number(i), "Litre", "3.78541" });
    std::optional<ResultsFileError> error;
    {
        FileSizeLimit full(64);
        QVERIFY(full.isActive());
        error = writeResultsFile(path, longer);
    }
    QVERIFY(error);
    QCOMPARE(error->path, path);
    QVERIFY(!error->reason.isEmpty());
    QCOMPARE(readFile(path), resultsFileBytes(earlier));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "BrimlowCSV.txt" });
}

QTEST_APPLESS_MAIN(tst_ResultsFile)
#include "tst_resultsfile.moc"
