#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "Formkit/timer.h"
#include "app/form1.h"
#include "conversion/conversionarithmetic.h"
#include "formstate/programfolder.h"
#include "results/resultsfile.h"
#include "results/resultsgrid.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasepath.h"
#include "units/unitdatabasewriter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using Formkit::MessageBox;
using Formkit::TextBox;

// The bad inputs a user can produce, each fed through the real window on the
// real unit database (or a damaged copy of it): every one must end in its
// message or in "No conversion", lose nothing the window held, and leave the
// window converting as before.
class tst_BadInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pastedVolume_data();
    void pastedVolume();
    void typedKeysThatAreNoNumber_data();
    void typedKeysThatAreNoNumber();
    void badVolumeThenAnotherChange_data();
    void badVolumeThenAnotherChange();
    void unitDatabaseThatCannotBeUsed_data();
    void unitDatabaseThatCannotBeUsed();
    void windowOnUnitDatabaseThatCannotBeUsed_data();
    void windowOnUnitDatabaseThatCannotBeUsed();
    void unitDatabaseGoneWhileWindowIsOpen();
    void unitWithoutRow();
    void resultsFileCannotBeWritten_data();
    void resultsFileCannotBeWritten();

private:
    struct Message
    {
        QString text;
        QString title;
    };

    // What the window holds that a refused input must leave alone.
    struct Held
    {
        QString text2;
        bool saveEnabled = false;
        bool makeFileEnabled = false;
        int gridRows = 0;
        int list1 = -1;
        int list2 = -1;
        FormState state;
        QImage flask;
    };

    std::unique_ptr<Form1> readyWindow(UnitDatabase &database);
    // The ready window on the real database, with a saved conversion and a new
    // result on show: every button and the grid have something to lose.
    void makeBusyWindow();
    Held held() const;
    void compareHeld(const Held &before, bool conversionFieldsOnly = false) const;
    void typeVolume(const QString &keys);
    QString expectedResult(const QString &volume) const;
    QString copyOfUnitDatabase(const QString &name) const;

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<UnitDatabase> m_database;
    std::unique_ptr<Form1> m_form;
    QList<Message> m_messages;
};

namespace {

const QString noConversion = QStringLiteral("No conversion");
const QString notANumber = QStringLiteral("Please enter a valid number for volume.");
const QString extraPoint
    = QStringLiteral("Please enter a valid number for volume.\r\nUse only one decimal point.");
const QString emptyVolume = QStringLiteral("Please enter a volume.");

QString shippedUnitDatabase()
{
    return unitDatabasePath(program::programFolder());
}

} // namespace

void tst_BadInput::init()
{
    // A folder of its own for every case: a file one case breaks is not the next one's.
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_messages.clear();
    MessageBox::setHandler([this](const QString &text, const QString &title, MessageBox::Icon) {
        m_messages.append({ text, title });
    });
}

void tst_BadInput::cleanup()
{
    m_form.reset();
    m_database.reset();
    m_folder.reset();
    MessageBox::setHandler({});
}

std::unique_ptr<Form1> tst_BadInput::readyWindow(UnitDatabase &database)
{
    auto form = std::make_unique<Form1>(database);
    form->load();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowExposed(form.get()) || !QTest::qWaitForWindowActive(form.get()))
        return nullptr;
    // The start-up timer runs the first conversion.
    if (!QTest::qWaitFor([&] { return !form->Timer1->isEnabled(); }))
        return nullptr;
    return form;
}

void tst_BadInput::makeBusyWindow()
{
    m_database = std::make_unique<UnitDatabase>(shippedUnitDatabase());
    QVERIFY2(!m_database->verify(), "the unit database beside the tests must be sound");
    m_form = readyWindow(*m_database);
    QVERIFY(m_form);
    Form1 &f = *m_form;
    // Two different units, so a result differs from the volume.
    QTest::mouseClick(
        f.List2->viewport(), Qt::LeftButton, {}, f.List2->visualItemRect(f.List2->item(3)).center());
    QCOMPARE(f.List2->listIndex(), 3);
    typeVolume(QStringLiteral("250"));
    QCOMPARE(f.Text2->text(), expectedResult(QStringLiteral("250")));
    QTest::mouseClick(f.SaveCmnd, Qt::LeftButton);
    QCOMPARE(f.ResultsGrid->rows(), 2);
    typeVolume(QStringLiteral("0.5"));
    QCOMPARE(f.Text2->text(), expectedResult(QStringLiteral("0.5")));
    QVERIFY(f.SaveCmnd->isEnabled());
    QVERIFY(f.MakeFileCmnd->isEnabled());
    QVERIFY(m_messages.isEmpty());
}

tst_BadInput::Held tst_BadInput::held() const
{
    const Form1 &f = *m_form;
    Held h;
    h.text2 = f.Text2->text();
    h.saveEnabled = f.SaveCmnd->isEnabled();
    h.makeFileEnabled = f.MakeFileCmnd->isEnabled();
    h.gridRows = f.ResultsGrid->rows();
    h.list1 = f.List1->listIndex();
    h.list2 = f.List2->listIndex();
    h.state = f.state();
    h.flask = f.PicFlask->image();
    return h;
}

void tst_BadInput::compareHeld(const Held &before, bool conversionFieldsOnly) const
{
    const Form1 &f = *m_form;
    const FormState &now = f.state();
    QCOMPARE(now.volumeValue, before.state.volumeValue);
    QCOMPARE(now.resultValue, before.state.resultValue);
    QCOMPARE(now.levelFraction, before.state.levelFraction);
    QCOMPARE(now.scaleExponent, before.state.scaleExponent);
    QCOMPARE(now.fractionScaleExponent, before.state.fractionScaleExponent);
    QCOMPARE(now.fluidTopRow, before.state.fluidTopRow);
    QCOMPARE(now.volumeAtLeastOne, before.state.volumeAtLeastOne);
    QCOMPARE(now.gridHasRows, before.state.gridHasRows);
    QCOMPARE(f.ResultsGrid->rows(), before.gridRows);
    QVERIFY2(f.PicFlask->image() == before.flask, "the flask was redrawn");
    if (conversionFieldsOnly)
        return;
    QCOMPARE(now.fromFactor, before.state.fromFactor);
    QCOMPARE(now.toFactor, before.state.toFactor);
    QCOMPARE(f.SaveCmnd->isEnabled(), before.saveEnabled);
    QCOMPARE(f.MakeFileCmnd->isEnabled(), before.makeFileEnabled);
    QCOMPARE(f.List1->listIndex(), before.list1);
    QCOMPARE(f.List2->listIndex(), before.list2);
}

void tst_BadInput::typeVolume(const QString &keys)
{
    TextBox *box = m_form->Text1;
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, keys);
}

QString tst_BadInput::expectedResult(const QString &volume) const
{
    const FormState &s = m_form->state();
    return convertVolume(volume, s.fromFactor, s.toFactor).resultText();
}

QString tst_BadInput::copyOfUnitDatabase(const QString &name) const
{
    const QString path = m_folder->filePath(name);
    QFile::remove(path);
    if (!QFile::copy(shippedUnitDatabase(), path))
        return QString();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// Pasting -------------------------------------------------------------------------

void tst_BadInput::pastedVolume_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("fromContextMenu");
    QTest::addColumn<bool>("refused");

    const QList<std::pair<const char *, QString>> refused = {
        { "negative", QStringLiteral("-5") },
        { "negative below one", QStringLiteral("-0.25") },
        { "beyond a Single", QStringLiteral("1e39") },
        { "beyond a double", QStringLiteral("1e400") },
        { "two points", QStringLiteral("1.2.3") },
        { "lone point", QStringLiteral(".") },
        { "lone sign", QStringLiteral("-") },
        { "thousands of digits", QString(5000, QLatin1Char('9')) },
        { "thousands of digits and a point", QString(3000, QLatin1Char('7')) + QStringLiteral(".5") },
        { "letters", QStringLiteral("twelve") },
        { "digits and letters", QStringLiteral("12 litres") },
        { "wrong grouping", QStringLiteral("1,23") },
        { "blank", QStringLiteral("   ") },
    };
    // Texts that look odd but are numbers: they convert.
    const QList<std::pair<const char *, QString>> accepted = {
        { "blanks around", QStringLiteral("  7  ") },
        { "grouped thousands", QStringLiteral("1,234.5") },
        { "thousands of decimals", QStringLiteral("0.") + QString(3000, QLatin1Char('3')) },
        { "exponent", QStringLiteral("2.5e3") },
    };
    for (const bool menu : { false, true }) {
        const char *how = menu ? "from the context menu" : "by mouse";
        for (const auto &[tag, text] : refused)
            QTest::addRow("%s, %s", tag, how) << text << menu << true;
        for (const auto &[tag, text] : accepted)
            QTest::addRow("%s, %s", tag, how) << text << menu << false;
    }
}

void tst_BadInput::pastedVolume()
{
    QFETCH(QString, pasted);
    QFETCH(bool, fromContextMenu);
    QFETCH(bool, refused);

    makeBusyWindow();
    if (QTest::currentTestFailed())
        return;
    Form1 &f = *m_form;
    const Held before = held();

    // A paste arrives as a change of the box while it is live.
    QVERIFY(f.state().volumeEditLive);
    if (fromContextMenu) {
        QApplication::clipboard()->setText(pasted);
        f.Text1->selectAll();
        f.Text1->paste();
    } else {
        f.Text1->setText(pasted);
    }
    QCOMPARE(f.Text1->text(), pasted);

    if (refused) {
        QCOMPARE(f.Text2->text(), noConversion);
        QVERIFY(m_messages.isEmpty());
        compareHeld(before);
    } else {
        QCOMPARE(f.Text2->text(), expectedResult(pasted));
        QVERIFY(f.Text2->text() != noConversion);
        QVERIFY(m_messages.isEmpty());
    }

    // The window still converts what is typed next.
    typeVolume(QStringLiteral("3"));
    QCOMPARE(f.Text1->text(), QStringLiteral("3"));
    QCOMPARE(f.Text2->text(), expectedResult(QStringLiteral("3")));
    QVERIFY(f.SaveCmnd->isEnabled());
    QCOMPARE(f.state().volumeValue, 3.0f);
    QVERIFY(m_messages.isEmpty());
}

// Typing ------------------------------------------------------------------------------

void tst_BadInput::typedKeysThatAreNoNumber_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("kept");

    QTest::newRow("minus sign") << "-5"
                                << "5";
    QTest::newRow("letters and exponent") << "1e5x"
                                          << "15";
    QTest::newRow("second point") << "1.2.3"
                                  << "1.23";
    QTest::newRow("comma and blank") << "1, 000"
                                     << "1000";
    QTest::newRow("sixteen digits at most") << QString(40, QLatin1Char('8')) << QString(16, QLatin1Char('8'));
}

void tst_BadInput::typedKeysThatAreNoNumber()
{
    QFETCH(QString, keys);
    QFETCH(QString, kept);

    makeBusyWindow();
    if (QTest::currentTestFailed())
        return;
    Form1 &f = *m_form;
    typeVolume(keys);
    QCOMPARE(f.Text1->text(), kept);
    QCOMPARE(f.Text2->text(), expectedResult(kept));
    QVERIFY(m_messages.isEmpty());

    // Ctrl+V is a key the box discards, whatever the clipboard holds.
    QApplication::clipboard()->setText(QStringLiteral("-1.2.3"));
    QTest::keyClick(f.Text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.Text1->text(), kept);
    QCOMPARE(f.Text2->text(), expectedResult(kept));
}

// A bad volume met by the next conversion -----------------------------------------

void tst_BadInput::badVolumeThenAnotherChange_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("unitClick"); // else a fluid option
    QTest::addColumn<bool>("messageExpected");
    QTest::addColumn<bool>("focusToVolume");
    QTest::addColumn<QString>("message");

    const QString negative = QStringLiteral("Please enter a valid number for volume.\r\n"
                                            "A volume cannot be less than zero.");
    const QString tooLarge = QStringLiteral("Please enter a valid number for volume.\r\n"
                                            "The volume is too large: use less than 1E+38.");
    const QList<std::tuple<const char *, QString, bool, QString>> cases = {
        // tag, text, the path for 1 or more (which moves the focus), the message
        { "negative", QStringLiteral("-5"), false, negative },
        { "beyond a Single", QStringLiteral("1e39"), true, tooLarge },
        { "two points", QStringLiteral("1.2.3"), true, extraPoint },
        { "lone point", QStringLiteral("."), false, notANumber },
        { "thousands of digits", QString(5000, QLatin1Char('9')), true, tooLarge },
        { "letters", QStringLiteral("twelve"), false, notANumber },
    };
    for (const auto &[tag, text, atLeastOne, message] : cases) {
        QTest::addRow("%s, then a fluid option", tag) << text << false << true << atLeastOne << message;
        QTest::addRow("%s, then a To unit", tag) << text << true << true << atLeastOne << message;
    }
    // An empty box is converted again by a fluid option (and refused), not by a unit.
    QTest::newRow("empty, then a fluid option") << QString() << false << true << false << emptyVolume;
    QTest::newRow("empty, then a To unit") << QString() << true << false << false << QString();
}

void tst_BadInput::badVolumeThenAnotherChange()
{
    QFETCH(QString, pasted);
    QFETCH(bool, unitClick);
    QFETCH(bool, messageExpected);
    QFETCH(bool, focusToVolume);
    QFETCH(QString, message);

    makeBusyWindow();
    if (QTest::currentTestFailed())
        return;
    Form1 &f = *m_form;
    f.Text1->setText(pasted);
    QCOMPARE(f.Text2->text(), noConversion);
    const Held before = held();
    f.Command2->setFocus();
    QVERIFY(QTest::qWaitFor([&] { return f.Command2->hasFocus(); }));

    if (unitClick) {
        QListWidgetItem *item = f.List2->item(7);
        QTest::mouseClick(f.List2->viewport(), Qt::LeftButton, {}, f.List2->visualItemRect(item).center());
        QCOMPARE(f.List2->listIndex(), 7);
    } else {
        QTest::mouseClick(f.optionblue, Qt::LeftButton);
        QVERIFY(f.optionblue->value());
    }

    if (messageExpected) {
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().title, QStringLiteral("Data Entry"));
        QCOMPARE(m_messages.first().text, message);
        if (!unitClick)
            QCOMPARE(f.Text1->hasFocus(), focusToVolume);
    } else {
        QVERIFY(m_messages.isEmpty());
    }
    QCOMPARE(f.Text1->text(), pasted);
    QCOMPARE(f.Text2->text(), noConversion);
    // A unit click rightly takes the new unit's size (and the unit box enables
    // "Save"); nothing of the last conversion changes either way.
    compareHeld(before, unitClick);

    typeVolume(QStringLiteral("4"));
    QCOMPARE(f.Text2->text(), expectedResult(QStringLiteral("4")));
    QCOMPARE(f.state().volumeValue, 4.0f);
}

// The unit database ---------------------------------------------------------------

void tst_BadInput::unitDatabaseThatCannotBeUsed_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing"
                             << "cannot be opened: the file does not exist.";
    QTest::newRow("wrong password") << "wrong password"
                                    << "cannot be opened: the password was refused.";
    QTest::newRow("another program's password") << "foreign"
                                                << "cannot be opened: the password was refused.";
    QTest::newRow("empty") << "empty"
                           << "cannot be opened: the file is empty.";
    QTest::newRow("cut inside a page") << "truncated 1000"
                                       << "cannot be opened: the file is damaged or is not a unit database.";
    QTest::newRow("cut after its first page") << "truncated 1024"
                                              << "damaged";
    QTest::newRow("not encrypted") << "plain"
                                   << "cannot be opened: the file is not protected by the unit password.";
    QTest::newRow("a folder") << "folder"
                              << "cannot be opened: it is a folder, not a file.";
    QTest::newRow("a text file") << "text"
                                 << "cannot be opened: the file is damaged or is not a unit database.";
    // Whole pages of nothing: the engine cannot tell damage from another key.
    QTest::newRow("pages of zeros") << "zeros"
                                    << "cannot be opened: ";
    QTest::newRow("no units") << "no units"
                              << "holds no units.";
    QTest::newRow("a size of zero") << "zero size"
                                    << "holds the size 0 for the unit \"Drop\", which is not above zero.";
}

namespace {

// Puts the faulty file at path; the password the program opens it with.
QByteArray makeFault(const QString &fault, const QString &path)
{
    QByteArray password(unitDatabasePassword);
    const auto truncated = [&](qint64 size) {
        QFile shipped(shippedUnitDatabase());
        QFile file(path);
        if (shipped.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly))
            file.write(shipped.read(size));
    };
    if (fault == QLatin1String("wrong password")) {
        QFile::copy(shippedUnitDatabase(), path);
        password = "tolvek362";
    } else if (fault == QLatin1String("foreign")) {
        writeUnitDatabase(path, { { QStringLiteral("Litre"), 1.0 } }, "another password");
    } else if (fault == QLatin1String("empty")) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    } else if (fault.startsWith(QLatin1String("truncated "))) {
        truncated(fault.mid(10).toLongLong());
    } else if (fault == QLatin1String("text") || fault == QLatin1String("zeros")) {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(fault == QLatin1String("text") ? QByteArray("Litre,1\r\n").repeated(128)
                                                  : QByteArray(2048, '\0'));
    } else if (fault == QLatin1String("plain")) {
        writeUnitDatabase(path, { { QStringLiteral("Litre"), 1.0 } }, QByteArray());
    } else if (fault == QLatin1String("folder")) {
        QDir().mkpath(path);
    } else if (fault == QLatin1String("no units")) {
        writeUnitDatabase(path, {}, password);
    } else if (fault == QLatin1String("zero size")) {
        writeUnitDatabase(
            path, { { QStringLiteral("Litre"), 1.0 }, { QStringLiteral("Drop"), 0.0 } }, password);
    }
    return password;
}

} // namespace

void tst_BadInput::unitDatabaseThatCannotBeUsed()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);

    const QString path = m_folder->filePath(QStringLiteral("brimlowDB.mdb"));
    const QByteArray password = makeFault(fault, path);
    UnitDatabase database(path, password);

    // The start-up check names the file and what is wrong with it.
    const std::optional<QString> problem = database.verify();
    QVERIFY(problem);
    QVERIFY2(problem->startsWith(QStringLiteral("The unit database %1 ").arg(path)), qPrintable(*problem));
    QVERIFY2(problem->contains(reason), qPrintable(*problem));

    // A lookup on the same file only reports too; asked twice, it says the same.
    const UnitSizeResult first = database.lookupSize(QStringLiteral("Litre"));
    const UnitSizeResult second = database.lookupSize(QStringLiteral("Litre"));
    if (fault != QLatin1String("zero size") && fault != QLatin1String("no units")) {
        QVERIFY(!first.ok());
        QVERIFY2(first.error.startsWith(QStringLiteral("The unit database %1 ").arg(path)),
            qPrintable(first.error));
        QCOMPARE(second.error, first.error);
    }
}

void tst_BadInput::windowOnUnitDatabaseThatCannotBeUsed_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing"
                             << "the file does not exist";
    QTest::newRow("wrong password") << "wrong password"
                                    << "the password was refused";
    QTest::newRow("cut after its first page") << "truncated 1024"
                                              << "damaged";
}

void tst_BadInput::windowOnUnitDatabaseThatCannotBeUsed()
{
    // Start-up stops before the window on such a file; were the window built on
    // it anyway, it must say so once and convert nothing, never crash.
    QFETCH(QString, fault);
    QFETCH(QString, reason);

    const QString path = m_folder->filePath(QStringLiteral("brimlowDB.mdb"));
    m_database = std::make_unique<UnitDatabase>(path, makeFault(fault, path));
    m_form = readyWindow(*m_database);
    QVERIFY(m_form);
    Form1 &f = *m_form;

    QVERIFY(!m_messages.isEmpty());
    for (const Message &message : std::as_const(m_messages)) {
        QCOMPARE(message.title, QStringLiteral("Brimlow"));
        QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    }
    // The same fault is told once, not on every lookup.
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(f.List1->listCount(), 0);
    QCOMPARE(f.Text2->text(), noConversion);
    QVERIFY(!f.SaveCmnd->isEnabled());

    typeVolume(QStringLiteral("12"));
    QCOMPARE(f.Text2->text(), noConversion);
    QVERIFY(!f.SaveCmnd->isEnabled());
    QCOMPARE(m_messages.size(), 1);
}

void tst_BadInput::unitDatabaseGoneWhileWindowIsOpen()
{
    const QString path = copyOfUnitDatabase(QStringLiteral("brimlowDB.mdb"));
    QVERIFY(!path.isEmpty());
    m_database = std::make_unique<UnitDatabase>(path);
    m_form = readyWindow(*m_database);
    QVERIFY(m_form);
    Form1 &f = *m_form;
    QVERIFY(m_messages.isEmpty());
    typeVolume(QStringLiteral("5"));
    const QString result = f.Text2->text();
    const FormState before = f.state();

    const QString aside = path + QStringLiteral(".aside");
    QVERIFY(QFile::rename(path, aside));
    typeVolume(QStringLiteral("6"));
    // Told once for the key, with the file's name; no size is left to convert with.
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().text.contains(
                 QStringLiteral("The unit database %1 cannot be opened: the file does "
                                "not exist.")
                     .arg(path)),
        qPrintable(m_messages.first().text));
    QCOMPARE(f.state().fromFactor, 0.0f);
    QCOMPARE(f.state().toFactor, 0.0f);
    QCOMPARE(f.Text2->text(), noConversion);
    QVERIFY(!f.SaveCmnd->isEnabled());
    // The next key is the next action: told again.
    typeVolume(QStringLiteral("7"));
    QCOMPARE(m_messages.size(), 2);

    // Back in place, the file is read again without a word.
    QVERIFY(QFile::rename(aside, path));
    typeVolume(QStringLiteral("5"));
    QCOMPARE(f.Text2->text(), result);
    QCOMPARE(f.state().fromFactor, before.fromFactor);
    QCOMPARE(f.state().toFactor, before.toFactor);
    QVERIFY(f.SaveCmnd->isEnabled());
    QCOMPARE(m_messages.size(), 2);
}

void tst_BadInput::unitWithoutRow()
{
    const QString path = copyOfUnitDatabase(QStringLiteral("brimlowDB.mdb"));
    QVERIFY(!path.isEmpty());
    m_database = std::make_unique<UnitDatabase>(path);
    m_form = readyWindow(*m_database);
    QVERIFY(m_form);
    Form1 &f = *m_form;

    // The direct lookup of a name the file does not hold.
    const UnitSizeResult missing = m_database->lookupSize(QStringLiteral("Firkin (XX)"));
    QVERIFY(!missing.ok());
    QCOMPARE(missing.error,
        QStringLiteral("The unit database %1 has no row for the unit \"Firkin (XX)\".").arg(path));

    // In the window: the file is replaced by one without the unit the To list shows.
    const QString toUnit = f.List2->list(5);
    QTest::mouseClick(
        f.List2->viewport(), Qt::LeftButton, {}, f.List2->visualItemRect(f.List2->item(5)).center());
    typeVolume(QStringLiteral("8"));
    const FormState before = f.state();
    QVERIFY(m_messages.isEmpty());

    QList<UnitRow> rows;
    for (int i = 0; i < f.List1->listCount(); ++i) {
        if (f.List1->list(i) != toUnit)
            rows.append({ f.List1->list(i), double(m_database->lookupSize(f.List1->list(i)).size) });
    }
    QVERIFY(!writeUnitDatabase(path, rows, unitDatabasePassword));
    typeVolume(QStringLiteral("9"));
    // Told once; the To unit has no size now, the From size is read anew.
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().text,
        QStringLiteral("The unit database %1 has no row for the unit \"%2\".").arg(path, toUnit));
    QCOMPARE(f.state().toFactor, 0.0f);
    QCOMPARE(f.state().fromFactor, before.fromFactor);
    QCOMPARE(f.Text2->text(), noConversion);
    QVERIFY(!f.SaveCmnd->isEnabled());
    QCOMPARE(f.List2->listIndex(), 5);
    QCOMPARE(f.List2->list(5), toUnit);
}

// The results file ------------------------------------------------------------------

void tst_BadInput::resultsFileCannotBeWritten_data()
{
    QTest::addColumn<bool>("anotherPlace");

    QTest::newRow("cancelled") << false;
    QTest::newRow("written to another place") << true;
}

void tst_BadInput::resultsFileCannotBeWritten()
{
    QFETCH(bool, anotherPlace);

    // A folder where the results file should be: as root, too, the file cannot
    // be written there.
    const QString resultsPath = resultsFilePath(program::programFolder());
    QFile::remove(resultsPath);
    QDir().rmdir(resultsPath);
    QVERIFY(QDir().mkdir(resultsPath));
    const auto cleanUp = qScopeGuard([&] {
        QDir().rmdir(resultsPath);
        QFile::remove(resultsPath);
    });

    makeBusyWindow();
    if (QTest::currentTestFailed())
        return;
    Form1 &f = *m_form;
    QTest::mouseClick(f.SaveCmnd, Qt::LeftButton);
    QCOMPARE(f.ResultsGrid->rows(), 3);
    const Held before = held();

    // The save dialog that offers another place: answered or cancelled.
    const QString otherPath = m_folder->filePath(QStringLiteral("results.txt"));
    bool dialogSeen = false;
    QTimer answer;
    answer.setInterval(20);
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogSeen = true;
        answer.stop();
        if (anotherPlace) {
            // Typed into the dialog's name box as a user would: the whole path.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (name)
                name->setText(otherPath);
            else
                dialog->selectFile(otherPath);
            QMetaObject::invokeMethod(dialog, "accept");
        } else {
            dialog->reject();
        }
    });
    answer.start();
    QTest::mouseClick(f.MakeFileCmnd, Qt::LeftButton);
    answer.stop();

    QVERIFY(dialogSeen);
    QCOMPARE(m_messages.size(), anotherPlace ? 2 : 1);
    QCOMPARE(m_messages.first().title, QStringLiteral("Make File"));
    QVERIFY2(m_messages.first().text.contains(QDir::toNativeSeparators(resultsPath)),
        qPrintable(m_messages.first().text));
    // The words say what the window after the message offers.
    QVERIFY(m_messages.first().text.contains(
        QStringLiteral("The saved conversions are kept. Choose another place for the file in the next "
                       "window, or cancel there to keep the rows")));

    if (anotherPlace) {
        // Where the file went, as after any "Make File" outside the program's folder.
        QCOMPARE(m_messages.last().title, QStringLiteral("Make File"));
        QCOMPARE(m_messages.last().text,
            QStringLiteral("The results were written to the file\n") + QDir::toNativeSeparators(otherPath));
        QFile written(otherPath);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("\r\n"), 3);
        QCOMPARE(f.ResultsGrid->rows(), 1);
        QVERIFY(!f.MakeFileCmnd->isEnabled());
    } else {
        // Nothing lost: the rows, the buttons and the conversion as they were.
        QVERIFY(!QFileInfo::exists(otherPath));
        compareHeld(before);
        QCOMPARE(f.Text2->text(), before.text2);

        // Once the place can be written, "Make File" goes through.
        QVERIFY(QDir().rmdir(resultsPath));
        QVERIFY(!QFileInfo::exists(resultsPath));
        QTest::mouseClick(f.MakeFileCmnd, Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(f.ResultsGrid->rows(), 1);
        QFile written(resultsPath);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count("\r\n"), 3);
    }
    typeVolume(QStringLiteral("9"));
    QCOMPARE(f.Text2->text(), expectedResult(QStringLiteral("9")));
}

QTEST_MAIN(tst_BadInput)
#include "tst_badinput.moc"
