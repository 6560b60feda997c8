#include "formstate/programfolder.h"

#include <QTest>

class tst_ProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void joinPath_data();
    void joinPath();
};

void tst_ProgramFolder::joinPath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder") << QStringLiteral("/opt/brimlow")
                            << QStringLiteral("/opt/brimlow/BrimlowCSV.txt");
    QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/BrimlowCSV.txt");
    QTest::newRow("trailing slash") << QStringLiteral("/opt/") << QStringLiteral("/opt/BrimlowCSV.txt");
    QTest::newRow("relative folder") << QStringLiteral("bin") << QStringLiteral("bin/BrimlowCSV.txt");
    QTest::newRow("folder with spaces")
        << QStringLiteral("/home/a b") << QStringLiteral("/home/a b/BrimlowCSV.txt");
}

void tst_ProgramFolder::joinPath()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(program::joinPath(folder, QStringLiteral("BrimlowCSV.txt")), expected);
}

QTEST_APPLESS_MAIN(tst_ProgramFolder)
#include "tst_programfolder.moc"
