#include "results/resultslog.h"

#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/textbox.h"
#include "filesizelimit.h"
#include "formstate/formstate.h"
#include "results/resultsgrid.h"
#include "testsupport/tempfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWidget>
#include <memory>

using Formkit::CommandButton;
using Formkit::ListBox;
using Formkit::MessageBox;
using Formkit::TextBox;

namespace {

const QByteArray headingLine = "\"From Unit\",\"From Value\",\"To Unit\",\"To Value\",\r\n";

struct Message
{
    QString text;
    QString title;
    MessageBox::Icon icon;
};

// The part of the main window the results log works on, wired the way the
// window wires it: each button's Click calls the log.
struct Window
{
    explicit Window(const QString &programFolder)
    {
        widget.resize(400, 300);
        list1 = new ListBox(&widget);
        list2 = new ListBox(&widget);
        text1 = new TextBox(&widget);
        text2 = new TextBox(&widget);
        saveCmnd = new CommandButton("Save", &widget);
        makeFileCmnd = new CommandButton("Make File", &widget);
        grid = new ResultsGrid(&widget);
        list1->setGeometry(0, 0, 150, 100);
        list2->setGeometry(160, 0, 150, 100);
        text1->setGeometry(0, 110, 150, 20);
        text2->setGeometry(160, 110, 150, 20);
        saveCmnd->setGeometry(0, 140, 100, 25);
        makeFileCmnd->setGeometry(110, 140, 100, 25);
        for (const char *unit : { "Cup (US)", "Gallon, US", "Litre", "Pint \"imperial\"" }) {
            list1->addItem(QString::fromUtf8(unit));
            list2->addItem(QString::fromUtf8(unit));
        }
        log = std::make_unique<ResultsLog>(
            state, grid, list1, list2, text1, text2, saveCmnd, makeFileCmnd, programFolder);
        QObject::connect(saveCmnd, &QPushButton::clicked, saveCmnd, [this] { log->save(); });
        QObject::connect(makeFileCmnd, &QPushButton::clicked, makeFileCmnd, [this] { log->makeFile(); });
        log->setSaveDialog([this](const QString &failedPath) {
            dialogAskedFor.append(failedPath);
            return dialogAnswers.isEmpty() ? QString() : dialogAnswers.takeFirst();
        });

        // Load: the grid's headings, both buttons disabled, nothing saved yet.
        log->layoutGrid();
        saveCmnd->setEnabled(false);
        makeFileCmnd->setEnabled(false);
        state.gridHasRows = false;
        widget.show();
    }

    // A new result on show, as the conversion leaves it: "Save" enabled, and
    // "Make File" too once anything was ever saved.
    void showResult(int from, const QString &volume, int to, const QString &result)
    {
        list1->setListIndex(from);
        list2->setListIndex(to);
        text1->setText(volume);
        text2->setText(result);
        saveCmnd->setEnabled(true);
        if (state.gridHasRows)
            makeFileCmnd->setEnabled(true);
    }

    QList<QStringList> gridRows() const
    {
        QList<QStringList> rows;
        for (int row = 0; row < grid->rows(); ++row) {
            grid->setRow(row);
            QStringList cells;
            for (int col = 0; col < grid->cols(); ++col) {
                grid->setCol(col);
                cells.append(grid->text());
            }
            rows.append(cells);
        }
        return rows;
    }

    QWidget widget;
    FormState state;
    ListBox *list1;
    ListBox *list2;
    TextBox *text1;
    TextBox *text2;
    CommandButton *saveCmnd;
    CommandButton *makeFileCmnd;
    ResultsGrid *grid;
    std::unique_ptr<ResultsLog> log;
    QStringList dialogAnswers;
    QStringList dialogAskedFor;
};

const QStringList headings { "From Unit", "From Value", "To Unit", "To Value" };

} // namespace

class tst_ResultsLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutGridWritesTheHeadings();
    void saveAppendsTheConversionOnShow();
    void twoSavesThenMakeFile();
    void makeFileWithOnlyHeadings();
    void secondMakeFileReplacesTheFirst();
    void awkwardUnitNames_data();
    void awkwardUnitNames();
    void filePathInTheProgramFolder_data();
    void filePathInTheProgramFolder();

    void unwritableFolderKeepsRowsAndButtons_data();
    void unwritableFolderKeepsRowsAndButtons();
    void fullDiskLeavesTheEarlierFileWhole();
    void savedElsewhereAfterAFailure();
    void makeFileNamesTheFileItWrote_data();
    void makeFileNamesTheFileItWrote();
    void elsewhereFailsTooAndIsOfferedAgain();

private:
    std::unique_ptr<TempFolder> m_folder;
    QList<Message> m_messages;
};

void tst_ResultsLog::init()
{
    m_folder = std::make_unique<TempFolder>();
    QVERIFY(m_folder->isValid());
    m_messages.clear();
    MessageBox::setHandler([this](const QString &text, const QString &title, MessageBox::Icon icon) {
        m_messages.append({ text, title, icon });
    });
}

void tst_ResultsLog::cleanup()
{
    MessageBox::setHandler({});
    m_folder.reset();
}

void tst_ResultsLog::layoutGridWritesTheHeadings()
{
    Window w(m_folder->path());
    QCOMPARE(w.grid->rows(), 1);
    QCOMPARE(w.grid->cols(), 4);
    QCOMPARE(w.grid->row(), 0);
    QCOMPARE(w.grid->col(), 3);
    QCOMPARE(w.gridRows(), QList<QStringList> { headings });
    QVERIFY(!w.grid->isVisible());
}

void tst_ResultsLog::saveAppendsTheConversionOnShow()
{
    Window w(m_folder->path());
    w.showResult(2, "1.5", 0, "6.34");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);

    QVERIFY(w.state.gridHasRows);
    QCOMPARE(w.gridRows(), (QList<QStringList> { headings, { "Litre", "1.5", "Cup (US)", "6.34" } }));
    QVERIFY(!w.saveCmnd->isEnabled());
    QVERIFY(w.makeFileCmnd->isEnabled());
    // Saving writes no file.
    QVERIFY(!QFile::exists(w.log->filePath()));

    // A disabled "Save" saves nothing more.
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QCOMPARE(w.grid->rows(), 2);
}

void tst_ResultsLog::twoSavesThenMakeFile()
{
    Window w(m_folder->path());
    w.showResult(2, "1", 0, "4.22675");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QVERIFY(!w.saveCmnd->isEnabled());
    QVERIFY(w.makeFileCmnd->isEnabled());

    w.showResult(0, "3", 2, "0.709765");
    QVERIFY(w.saveCmnd->isEnabled());
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QVERIFY(!w.saveCmnd->isEnabled());
    QVERIFY(w.makeFileCmnd->isEnabled());
    QCOMPARE(w.grid->rows(), 3);

    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);
    QCOMPARE(readFile(m_folder->filePath("BrimlowCSV.txt")),
        headingLine
            + "\"Litre\",\"1\",\"Cup (US)\",\"4.22675\",\r\n"
              "\"Cup (US)\",\"3\",\"Litre\",\"0.709765\",\r\n");
    QCOMPARE(w.gridRows(), QList<QStringList> { headings });
    QVERIFY(!w.saveCmnd->isEnabled());
    QVERIFY(!w.makeFileCmnd->isEnabled());
    QVERIFY(w.state.gridHasRows);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(w.dialogAskedFor.isEmpty());
}

void tst_ResultsLog::makeFileWithOnlyHeadings()
{
    Window w(m_folder->path());
    w.showResult(1, "2", 2, "7.57082");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);

    // A new result enables "Make File" again because something was saved once.
    w.showResult(1, "3", 2, "11.3562");
    QVERIFY(w.makeFileCmnd->isEnabled());
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);
    QCOMPARE(readFile(w.log->filePath()), headingLine);
    QCOMPARE(w.gridRows(), QList<QStringList> { headings });
    QVERIFY(!w.saveCmnd->isEnabled());
    QVERIFY(!w.makeFileCmnd->isEnabled());
}

void tst_ResultsLog::secondMakeFileReplacesTheFirst()
{
    Window w(m_folder->path());
    w.showResult(2, "10", 0, "42.2675");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    w.showResult(2, "20", 0, "84.535");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);
    QCOMPARE(readFile(w.log->filePath()).count("\r\n"), 3);

    w.showResult(0, "1", 1, "0.0625");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);
    QCOMPARE(readFile(w.log->filePath()), headingLine + "\"Cup (US)\",\"1\",\"Gallon, US\",\"0.0625\",\r\n");
}

void tst_ResultsLog::awkwardUnitNames_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("unit name with a comma")
        << 1 << "1" << 2 << "3.78541" << QByteArray("\"Gallon, US\",\"1\",\"Litre\",\"3.78541\",\r\n");
    QTest::newRow("unit name with double quotes")
        << 3 << "2" << 2 << "1.13652"
        << QByteArray("\"Pint \"\"imperial\"\"\",\"2\",\"Litre\",\"1.13652\",\r\n");
    QTest::newRow("both, and an empty volume")
        << 1 << "" << 3 << "No conversion"
        << QByteArray("\"Gallon, US\",\"\",\"Pint \"\"imperial\"\"\",\"No conversion\",\r\n");
    QTest::newRow("grouped number with a comma")
        << 2 << "1000" << 0 << "4,226.75" << QByteArray("\"Litre\",\"1000\",\"Cup (US)\",\"4,226.75\",\r\n");
}

void tst_ResultsLog::awkwardUnitNames()
{
    QFETCH(int, from);
    QFETCH(QString, volume);
    QFETCH(int, to);
    QFETCH(QString, result);
    QFETCH(QByteArray, line);

    Window w(m_folder->path());
    w.showResult(from, volume, to, result);
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);
    QCOMPARE(readFile(w.log->filePath()), headingLine + line);
}

void tst_ResultsLog::filePathInTheProgramFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");

    QTest::newRow("program folder") << "/opt/brimlow/bin"
                                    << "/opt/brimlow/bin/BrimlowCSV.txt";
}

void tst_ResultsLog::filePathInTheProgramFolder()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    Window w(folder);
    QCOMPARE(w.log->filePath(), expected);
}

void tst_ResultsLog::unwritableFolderKeepsRowsAndButtons_data()
{
    QTest::addColumn<bool>("saveEnabled");

    QTest::newRow("Save disabled") << false;
    QTest::newRow("Save enabled by a newer result") << true;
}

void tst_ResultsLog::unwritableFolderKeepsRowsAndButtons()
{
    QFETCH(bool, saveEnabled);

    // Running as root, a read-only folder would still be written: a "folder"
    // that is a file fails for everyone.
    const QString notAFolder = m_folder->write("program", "not a folder");
    QVERIFY(!notAFolder.isEmpty());
    Window w(notAFolder);
    const QString path = notAFolder + "/BrimlowCSV.txt";
    QCOMPARE(w.log->filePath(), path);

    w.showResult(2, "1", 0, "4.22675");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    w.showResult(0, "2", 2, "0.473176");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    w.saveCmnd->setEnabled(saveEnabled);
    const QList<QStringList> rowsBefore = w.gridRows();

    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);

    QCOMPARE(m_messages.size(), 1);
    const Message message = m_messages.first();
    QVERIFY2(message.text.contains(path), qPrintable(message.text));
    QVERIFY2(message.text.contains("Not a directory", Qt::CaseInsensitive), qPrintable(message.text));
    QCOMPARE(message.title, QString("Make File"));
    QCOMPARE(message.icon, MessageBox::Icon::Warning);
    QVERIFY2(message.text.endsWith("Choose another place for the file in the next window, or cancel there "
                                   "to keep the rows and try \"Make File\" again later."),
        qPrintable(message.text));
    QCOMPARE(w.dialogAskedFor, QStringList { path });

    QCOMPARE(w.gridRows(), rowsBefore);
    QCOMPARE(w.grid->rows(), 3);
    QCOMPARE(w.saveCmnd->isEnabled(), saveEnabled);
    QVERIFY(w.makeFileCmnd->isEnabled());
    QCOMPARE(readFile(notAFolder), QByteArray("not a folder"));
}

void tst_ResultsLog::fullDiskLeavesTheEarlierFileWhole()
{
    Window w(m_folder->path());
    w.showResult(2, "1", 0, "4.22675");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);
    const QByteArray earlier = readFile(w.log->filePath());
    QCOMPARE(earlier, headingLine + "\"Litre\",\"1\",\"Cup (US)\",\"4.22675\",\r\n");

    for (int i = 0; i < 20; ++i) {
        w.showResult(1, QString::number(i), 2, QString::number(i * 3.78541));
        QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    }
    const QList<QStringList> rowsBefore = w.gridRows();
    {
        // Room for less than the new file: the disk fills part way through it.
        FileSizeLimit full(earlier.size() + 20);
        QVERIFY(full.isActive());
        QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);
    }

    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().text.contains(w.log->filePath()), qPrintable(m_messages.first().text));
    QVERIFY2(m_messages.first().text.contains("too large", Qt::CaseInsensitive),
        qPrintable(m_messages.first().text));
    QCOMPARE(readFile(w.log->filePath()), earlier);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), QStringList { "BrimlowCSV.txt" });
    QCOMPARE(w.gridRows(), rowsBefore);
    QVERIFY(!w.saveCmnd->isEnabled());
    QVERIFY(w.makeFileCmnd->isEnabled());

    // Once there is room again, "Make File" writes every kept row.
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(readFile(w.log->filePath()).count("\r\n"), 21);
    QCOMPARE(w.grid->rows(), 1);
    QVERIFY(!w.makeFileCmnd->isEnabled());
}

void tst_ResultsLog::savedElsewhereAfterAFailure()
{
    const QString notAFolder = m_folder->write("program", {});
    QVERIFY(!notAFolder.isEmpty());
    TempFolder elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString otherPath = elsewhere.filePath("kept.txt");

    Window w(notAFolder);
    w.dialogAnswers = { otherPath };
    w.showResult(3, "4", 2, "2.27305");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);

    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(w.dialogAskedFor.size(), 1);
    QCOMPARE(readFile(otherPath), headingLine + "\"Pint \"\"imperial\"\"\",\"4\",\"Litre\",\"2.27305\",\r\n");
    // Where it went, as "Make File" says outside the program's folder.
    QCOMPARE(
        m_messages[1].text, "The results were written to the file\n" + QDir::toNativeSeparators(otherPath));
    QCOMPARE(m_messages[1].title, QString("Make File"));
    QCOMPARE(m_messages[1].icon, MessageBox::Icon::Information);
    // Written, so as after any "Make File": only the headings, both buttons off.
    QCOMPARE(w.gridRows(), QList<QStringList> { headings });
    QVERIFY(!w.saveCmnd->isEnabled());
    QVERIFY(!w.makeFileCmnd->isEnabled());
}

void tst_ResultsLog::makeFileNamesTheFileItWrote_data()
{
    QTest::addColumn<int>("links");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("the file itself: no word") << 0 << true;
    QTest::newRow("a link to a file elsewhere") << 1 << true;
    QTest::newRow("a link to a file not made yet") << 1 << false;
    QTest::newRow("a link to a link") << 2 << true;
}

void tst_ResultsLog::makeFileNamesTheFileItWrote()
{
    QFETCH(int, links);
    QFETCH(bool, targetExists);
    QVERIFY(QDir(m_folder->path()).mkpath("program") && QDir(m_folder->path()).mkpath("elsewhere"));
    const QString program = m_folder->filePath("program");
    const QString chosen = program + "/BrimlowCSV.txt";
    const QString target = links == 0 ? chosen : m_folder->filePath("elsewhere/results.txt");
    if (targetExists)
        QVERIFY(writeFile(target, "earlier"));
    if (links == 2)
        QVERIFY(QFile::link(target, m_folder->filePath("middle.txt")));
    if (links > 0)
        QVERIFY(QFile::link(links == 2 ? m_folder->filePath("middle.txt") : target, chosen));

    Window w(program);
    w.showResult(2, "1", 0, "4.22675");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);

    QCOMPARE(readFile(target), headingLine + "\"Litre\",\"1\",\"Cup (US)\",\"4.22675\",\r\n");
    QCOMPARE(QFileInfo(chosen).isSymLink(), links > 0); // the link stays
    if (links == 0) {
        QVERIFY(m_messages.isEmpty());
        return;
    }
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages[0].text,
        QString("The results were written to the file\n%1\n\n%2 is a link to that file.")
            .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(chosen)));
    QCOMPARE(m_messages[0].icon, MessageBox::Icon::Information);
}

void tst_ResultsLog::elsewhereFailsTooAndIsOfferedAgain()
{
    const QString notAFolder = m_folder->write("program", {});
    QVERIFY(!notAFolder.isEmpty());
    const QString alsoBad = notAFolder + "/elsewhere.txt";

    Window w(notAFolder);
    w.dialogAnswers = { alsoBad };
    w.showResult(2, "1", 1, "0.264172");
    QTest::mouseClick(w.saveCmnd, Qt::LeftButton);
    QTest::mouseClick(w.makeFileCmnd, Qt::LeftButton);

    QCOMPARE(m_messages.size(), 2);
    QVERIFY(m_messages[0].text.contains(w.log->filePath()));
    QVERIFY(m_messages[1].text.contains(alsoBad));
    QCOMPARE(w.dialogAskedFor, (QStringList { w.log->filePath(), alsoBad }));
    QCOMPARE(w.grid->rows(), 2);
    QVERIFY(w.makeFileCmnd->isEnabled());
}

QTEST_MAIN(tst_ResultsLog)
#include "tst_resultslog.moc"
