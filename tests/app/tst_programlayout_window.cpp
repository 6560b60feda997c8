#include "Formkit/commandbutton.h"
#include "Formkit/messagebox.h"
#include "Formkit/textbox.h"
#include "Formkit/timer.h"
#include "app/form1.h"
#include "app/startup.h"
#include "formstate/programfolder.h"
#include "results/resultsgrid.h"
#include "units/unitdatabasepath.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Formkit::MessageBox;

// The program's start in a prefix of its own: the unit file beside the
// program (an unpacked copy), under share/brimlow (installed), or nowhere.
// Start-up finds it, and "Make File" writes where that layout puts the
// results file, saying where when the user could not guess it.
class tst_ProgramLayoutWindow : public QObject
{
    Q_OBJECT

private slots:
    void start_data();
    void start();
};

namespace {

struct Message
{
    QString text;
    QString title;
    MessageBox::Icon icon;
    bool resultsFileThere;
};

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (info.isDir())
            files += filesUnder(info.filePath());
        else
            files.append(info.filePath());
    }
    return files;
}

} // namespace

void tst_ProgramLayoutWindow::start_data()
{
    // Paths within the prefix; the program lies in bin/, the user's documents
    // folder is home/Documents and is not there yet.
    QTest::addColumn<QString>("unitFile");
    QTest::addColumn<QString>("resultsFile");

    QTest::newRow("installed") << "share/brimlow/brimlowDB.mdb"
                               << "home/Documents/BrimlowCSV.txt";
    QTest::newRow("portable") << "bin/brimlowDB.mdb"
                              << "bin/BrimlowCSV.txt";
    QTest::newRow("no unit file") << QString() << QString();
}

void tst_ProgramLayoutWindow::start()
{
    QFETCH(QString, unitFile);
    QFETCH(QString, resultsFile);
    const bool installed = resultsFile.startsWith(QLatin1String("home/"));

    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    const QDir root(prefix.path());
    QVERIFY(root.mkpath("bin"));
    if (!unitFile.isEmpty()) {
        QVERIFY(root.mkpath(QFileInfo(unitFile).path()));
        QVERIFY(QFile::copy(unitDatabasePath(program::programFolder()), root.filePath(unitFile)));
    }
    const QString resultsPath = root.filePath(resultsFile);

    QList<Message> messages;
    MessageBox::setHandler([&](const QString &text, const QString &title, MessageBox::Icon icon) {
        messages.append({ text, title, icon, QFileInfo::exists(resultsPath) });
    });
    const auto restoreMessages = qScopeGuard([] { MessageBox::setHandler({}); });

    // A dialog offering another place means the file could not be written
    // where it belongs: turned down at once, so that the test goes on.
    int dialogs = 0;
    QTimer dialogWatch;
    dialogWatch.setInterval(20);
    connect(&dialogWatch, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ++dialogs;
            dialog->reject();
        }
    });
    dialogWatch.start();

    // What a user does in the ready window: types a volume, saves it, makes the file.
    bool shown = false;
    bool ready = false;
    int gridRowsAfter = -1;
    const int status
        = runBrimlowFrom(*qApp, root.filePath("bin"), root.filePath("home/Documents"), [&](Form1 &f) {
              shown = true;
              const auto quit = qScopeGuard([] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); });
              f.activateWindow();
              ready = QTest::qWaitForWindowActive(&f)
                  && QTest::qWaitFor([&] { return !f.Timer1->isEnabled(); });
              if (!ready)
                  return;
              QTest::mouseClick(f.Text1, Qt::LeftButton);
              // The start-up volume 1 made 2.
              QTest::keyClick(f.Text1, Qt::Key_End);
              QTest::keyClick(f.Text1, Qt::Key_Backspace);
              QTest::keyClicks(f.Text1, QStringLiteral("2"));
              QTest::mouseClick(f.SaveCmnd, Qt::LeftButton);
              QTest::mouseClick(f.MakeFileCmnd, Qt::LeftButton);
              gridRowsAfter = f.ResultsGrid->rows();
          });

    // Desktops find the window's desktop entry, and so its icon, by this name.
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.brimlow.Brimlow"));

    if (unitFile.isEmpty()) {
        // Told which places were looked at; no window, nothing written.
        QCOMPARE(status, 1);
        QVERIFY(!shown);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().title, QStringLiteral("Brimlow"));
        QCOMPARE(messages.first().icon, MessageBox::Icon::Critical);
        QVERIFY2(messages.first().text.contains(root.filePath("bin/brimlowDB.mdb")),
            qPrintable(messages.first().text));
        QVERIFY2(messages.first().text.contains(root.filePath("share/brimlow/brimlowDB.mdb")),
            qPrintable(messages.first().text));
        QCOMPARE(filesUnder(root.path()), QStringList {});
        return;
    }

    QCOMPARE(status, 0);
    QVERIFY(ready);
    QCOMPARE(dialogs, 0);
    QCOMPARE(gridRowsAfter, 1);
    QFile written(resultsPath);
    QVERIFY2(written.open(QIODevice::ReadOnly), qPrintable(resultsPath));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 3); // heading, the saved row, nothing after the last line end
    QVERIFY2(lines.at(1).contains(",\"2\","), lines.at(1).constData());
    // Nothing else is written anywhere: not beside the program when installed.
    QStringList expectedFiles { root.filePath(unitFile), resultsPath };
    expectedFiles.sort();
    QStringList files = filesUnder(root.path());
    files.sort();
    QCOMPARE(files, expectedFiles);

    if (installed) {
        // The file went where the user did not choose: the window says where,
        // once it is there.
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().title, QStringLiteral("Make File"));
        QCOMPARE(messages.first().icon, MessageBox::Icon::Information);
        QVERIFY2(messages.first().text.contains(QDir::toNativeSeparators(resultsPath)),
            qPrintable(messages.first().text));
        QVERIFY(messages.first().resultsFileThere);
    } else {
        QCOMPARE(messages.size(), 0);
    }
}

QTEST_MAIN(tst_ProgramLayoutWindow)
#include "tst_programlayout_window.moc"
