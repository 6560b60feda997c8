#include "formstate/programlayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The program's layout follows from where its data file lies: beside the
// program, or in ../share/brimlow as installed under a prefix.
class tst_ProgramLayout : public QObject
{
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
    void installedDataFolder_data();
    void installedDataFolder();
};

namespace {

const QString fileName = QStringLiteral("brimlowDB.mdb");

bool makeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("unit file") > 0;
}

} // namespace

void tst_ProgramLayout::locate_data()
{
    // Places within a temporary prefix; the program lies in bin/, the user's
    // documents folder is home/Documents. An empty place: the file is nowhere.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("folderBesideProgram");
    QTest::addColumn<int>("layout"); // -1: none found
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("resultsFolder");

    const int none = -1;
    const int portable = int(program::ProgramLayout::Portable);
    const int installed = int(program::ProgramLayout::Installed);
    QTest::newRow("beside the program")
        << QStringList { "bin/brimlowDB.mdb" } << QString() << portable << "bin/brimlowDB.mdb"
        << "bin";
    QTest::newRow("under ../share/brimlow") << QStringList { "share/brimlow/brimlowDB.mdb" } << QString()
                                            << installed << "share/brimlow/brimlowDB.mdb"
                                            << "home/Documents";
    QTest::newRow("in both places, the copy beside the program")
        << QStringList { "bin/brimlowDB.mdb", "share/brimlow/brimlowDB.mdb" } << QString() << portable
        << "bin/brimlowDB.mdb"
        << "bin";
    QTest::newRow("neither") << QStringList {} << QString() << none << "bin/brimlowDB.mdb" << QString();
    QTest::newRow("in share/ without brimlow/")
        << QStringList { "share/brimlowDB.mdb" } << QString() << none << "bin/brimlowDB.mdb" << QString();
    QTest::newRow("in share/brimlow beside the program")
        << QStringList { "bin/share/brimlow/brimlowDB.mdb" } << QString() << none << "bin/brimlowDB.mdb"
        << QString();
    // A folder of that name beside the program is what the user put there:
    // reported as it is, not passed over for the installed copy.
    QTest::newRow("a folder of that name beside the program")
        << QStringList { "share/brimlow/brimlowDB.mdb" } << "bin/brimlowDB.mdb" << portable
        << "bin/brimlowDB.mdb"
        << "bin";
}

void tst_ProgramLayout::locate()
{
    QFETCH(QStringList, files);
    QFETCH(QString, folderBesideProgram);
    QFETCH(int, layout);
    QFETCH(QString, path);
    QFETCH(QString, resultsFolder);

    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    const QDir root(prefix.path());
    QVERIFY(root.mkpath("bin"));
    for (const QString &file : std::as_const(files))
        QVERIFY(makeFile(root.filePath(file)));
    if (!folderBesideProgram.isEmpty())
        QVERIFY(root.mkpath(folderBesideProgram));
    const QString programFolder = root.filePath("bin");
    const QString documents = root.filePath("home/Documents");

    const program::DataFileLocation location = program::locateDataFile(programFolder, fileName);
    QCOMPARE(location.layout.has_value(), layout >= 0);
    QCOMPARE(location.path, root.filePath(path));
    // Both places are named, beside the program first, whatever was found.
    QCOMPARE(location.triedPaths,
        QStringList({ root.filePath("bin/brimlowDB.mdb"), root.filePath("share/brimlow/brimlowDB.mdb") }));
    if (!location.layout)
        return;
    QCOMPARE(int(*location.layout), layout);
    QCOMPARE(
        program::userFilesFolder(*location.layout, programFolder, documents), root.filePath(resultsFolder));
    // Finding the file writes nothing: the documents folder is made only when
    // a file is written there.
    QVERIFY(!QFileInfo::exists(documents));
}

void tst_ProgramLayout::installedDataFolder_data()
{
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("expected");

    QTest::newRow("/usr/bin") << "/usr/bin"
                              << "/usr/share/brimlow";
    QTest::newRow("/usr/local/bin") << "/usr/local/bin"
                                    << "/usr/local/share/brimlow";
    QTest::newRow("folder ending in slash") << "/opt/brimlow/bin/"
                                            << "/opt/brimlow/share/brimlow";
    QTest::newRow("program at the root") << "/"
                                         << "/share/brimlow";
}

void tst_ProgramLayout::installedDataFolder()
{
    QFETCH(QString, programFolder);
    QFETCH(QString, expected);
    QCOMPARE(program::installedDataFolder(programFolder), expected);
}

QTEST_APPLESS_MAIN(tst_ProgramLayout)
#include "tst_programlayout.moc"
