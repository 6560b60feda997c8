#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "Formkit/timer.h"
#include "app/form1.h"
#include "formstate/programfolder.h"
#include "results/resultsgrid.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasepath.h"
#include "units/unitdatabasewriter.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Formkit::ListBox;
using Formkit::MessageBox;
using Formkit::OptionButton;
using Formkit::TextBox;

// The window while its unit file goes away, comes back or is damaged, and the
// texts of the result box and of the "Data Entry" message. Every step is a
// click or a key on the real window, which works on its own copy of the
// shipped unit file.
class tst_UnitFileFailure : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void failedLookupLeavesNoSize();
    void failedRefillSaysSoAndEmptiesTheBoxes();
    void emptiedListsFillAtTheNextAction_data();
    void emptiedListsFillAtTheNextAction();
    void everyFailingActionSaysSoOnce_data();
    void everyFailingActionSaysSoOnce();
    void changedFileCostsOneKeyDerivation_data();
    void changedFileCostsOneKeyDerivation();
    void longResultShowsItsStart();
    void pastedVolumeIsNamedForWhatItIs_data();
    void pastedVolumeIsNamedForWhatItIs();

private:
    void openWindow();
    void clickUnit(ListBox *list, const QString &unit);
    void typeVolume(const QString &keys);
    void pasteVolume(const QString &text);
    void moveFileAway();
    void putFileBack();
    QByteArray fileBytes() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
    std::unique_ptr<UnitDatabase> m_database;
    std::unique_ptr<Form1> m_form;
    QStringList m_messages;
    QStringList m_titles;
};

namespace {

const QString noConversion = QStringLiteral("No conversion");
const QString asDataEntry = QStringLiteral("Please enter a valid number for volume.\r\n");

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

void tst_UnitFileFailure::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_path = m_folder->filePath(QStringLiteral("brimlowDB.mdb"));
    QVERIFY(QFile::copy(unitDatabasePath(program::programFolder()), m_path));
    QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner));
    m_messages.clear();
    m_titles.clear();
    MessageBox::setHandler([this](const QString &text, const QString &title, MessageBox::Icon) {
        m_messages.append(text);
        m_titles.append(title);
    });
    openWindow();
}

void tst_UnitFileFailure::cleanup()
{
    m_form.reset();
    m_database.reset();
    m_folder.reset();
    MessageBox::setHandler({});
}

void tst_UnitFileFailure::openWindow()
{
    m_database = std::make_unique<UnitDatabase>(m_path);
    m_form = std::make_unique<Form1>(*m_database);
    m_form->load();
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QVERIFY(QTest::qWaitFor([this] { return !m_form->Timer1->isEnabled(); }));
    QVERIFY(m_messages.isEmpty());
}

void tst_UnitFileFailure::clickUnit(ListBox *list, const QString &unit)
{
    QListWidgetItem *item = nullptr;
    for (int i = 0; i < list->count() && !item; ++i) {
        if (list->item(i)->text() == unit)
            item = list->item(i);
    }
    QVERIFY2(item, qPrintable(unit));
    // Brought into view as the scroll bar would, then clicked.
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QCOMPARE(list->text(), unit);
}

void tst_UnitFileFailure::typeVolume(const QString &keys)
{
    // Into the box, the old text selected with the keyboard, then typed over.
    TextBox *box = m_form->Text1;
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(box, keys);
}

void tst_UnitFileFailure::pasteVolume(const QString &text)
{
    // Over the whole old text, with "Paste" of the box's context menu.
    TextBox *box = m_form->Text1;
    QApplication::clipboard()->setText(text);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    const QPoint at = box->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
    QApplication::sendEvent(box, &event);
    QMenu *menu = nullptr;
    QVERIFY(
        QTest::qWaitFor([&] { return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())); }));
    QAction *paste = nullptr;
    for (QAction *action : menu->actions()) {
        if (action->text().remove(QLatin1Char('&')).startsWith(QLatin1String("Paste")))
            paste = action;
    }
    QVERIFY(paste && paste->isEnabled());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
    QCOMPARE(box->text(), text);
}

void tst_UnitFileFailure::moveFileAway()
{
    QVERIFY(QFile::rename(m_path, m_path + QStringLiteral(".away")));
}

void tst_UnitFileFailure::putFileBack()
{
    QVERIFY(QFile::rename(m_path + QStringLiteral(".away"), m_path));
}

QByteArray tst_UnitFileFailure::fileBytes() const
{
    QFile file(m_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A lookup that fails --------------------------------------------------------------

void tst_UnitFileFailure::failedLookupLeavesNoSize()
{
    Form1 &f = *m_form;
    clickUnit(f.List1, QStringLiteral("Liter"));
    clickUnit(f.List2, QStringLiteral("Gallon (US)"));
    typeVolume(QStringLiteral("5"));
    QCOMPARE(f.Text2->text(), QStringLiteral("1.3209"));
    const QByteArray bytes = fileBytes();

    moveFileAway();
    clickUnit(f.List2, QStringLiteral("Pint (US)"));
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.last(),
        QStringLiteral("The unit database %1 cannot be opened: the file does not exist.").arg(m_path));
    // Not the gallons of the unit before.
    QCOMPARE(f.Text2->text(), noConversion);
    QVERIFY(!f.SaveCmnd->isEnabled());
    QTest::mouseClick(f.SaveCmnd, Qt::LeftButton);
    QCOMPARE(f.ResultsGrid->rows(), 1);

    // Neither a fluid option nor the flask brings a result or "Save" back.
    QTest::mouseClick(f.optionblue, Qt::LeftButton);
    QCOMPARE(f.Text2->text(), noConversion);
    QTest::mouseClick(f.PicFlask, Qt::LeftButton, {}, QPoint(46, 125));
    QCOMPARE(f.Text2->text(), noConversion);
    QVERIFY(!f.SaveCmnd->isEnabled());
    QCOMPARE(m_messages.size(), 2); // the option click said so again; the flask reads no file

    putFileBack();
    typeVolume(QStringLiteral("6"));
    QCOMPARE(f.Text2->text(), QStringLiteral("12.6803"));
    QVERIFY(f.SaveCmnd->isEnabled());
    QTest::mouseClick(f.SaveCmnd, Qt::LeftButton);
    QCOMPARE(f.ResultsGrid->rows(), 2);
    f.ResultsGrid->setRow(1);
    f.ResultsGrid->setCol(2);
    QCOMPARE(f.ResultsGrid->text(), QStringLiteral("Pint (US)"));
    f.ResultsGrid->setCol(3);
    QCOMPARE(f.ResultsGrid->text(), QStringLiteral("12.6803"));
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(fileBytes(), bytes);
}

// A refill that fails ----------------------------------------------------------------

void tst_UnitFileFailure::failedRefillSaysSoAndEmptiesTheBoxes()
{
    Form1 &f = *m_form;
    typeVolume(QStringLiteral("5"));
    QVERIFY(f.SaveCmnd->isEnabled());

    moveFileAway();
    QTest::mouseClick(f.Option2, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.last().contains(m_path), qPrintable(m_messages.last()));
    QCOMPARE(f.List1->listCount(), 0);
    QCOMPARE(f.List2->listCount(), 0);
    QCOMPARE(f.Text3->text(), QString());
    QCOMPARE(f.Text4->text(), QString());
    QCOMPARE(f.Text2->text(), noConversion);
    QVERIFY(!f.SaveCmnd->isEnabled());
    QTest::mouseClick(f.SaveCmnd, Qt::LeftButton);
    QCOMPARE(f.ResultsGrid->rows(), 1);

    // Asked again while the file is still away: told again.
    QTest::mouseClick(f.Option2, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(f.List1->listCount(), 0);

    putFileBack();
    QTest::mouseClick(f.Option2, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 2);
    QVERIFY(f.List1->listCount() >= 60);
    QVERIFY(f.List1->list(0).contains(QStringLiteral("(UK")));
    QCOMPARE(f.Text3->text(), f.List1->list(0));
    QCOMPARE(f.Text4->text(), f.List2->list(0));
    // The same unit on both sides.
    QCOMPARE(f.Text2->text(), QStringLiteral("5"));
    QVERIFY(f.SaveCmnd->isEnabled());
}

void tst_UnitFileFailure::emptiedListsFillAtTheNextAction_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("a key in the volume box") << "volume key";
    QTest::newRow("a click on the From list") << "From click";
    QTest::newRow("a click on a fluid option") << "fluid click";
}

void tst_UnitFileFailure::emptiedListsFillAtTheNextAction()
{
    QFETCH(QString, action);
    Form1 &f = *m_form;
    typeVolume(QStringLiteral("5"));
    moveFileAway();
    QTest::mouseClick(f.Option2, Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(
        m_messages.last().endsWith(QStringLiteral("The unit lists fill again at your next key or click in "
                                                  "the window once the unit database can be read.")),
        qPrintable(m_messages.last()));

    // While the file is away, the next actions try again without a word.
    QTest::mouseClick(f.Text1, Qt::LeftButton);
    QTest::keyClick(f.Text1, Qt::Key_End);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(f.List1->listCount(), 0);

    putFileBack();
    if (action == QLatin1String("volume key"))
        QTest::keyClick(f.Text1, Qt::Key_7);
    else if (action == QLatin1String("From click"))
        QTest::mouseClick(f.List1->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
    else
        QTest::mouseClick(f.optionblue, Qt::LeftButton);
    // Full again in the ordering chosen, before the action acted on them.
    QVERIFY(f.List1->listCount() >= 60);
    QCOMPARE(f.List2->listCount(), f.List1->listCount());
    QVERIFY(f.List1->list(0).contains(QStringLiteral("(UK")));
    QCOMPARE(f.Text3->text(), f.List1->list(0));
    QCOMPARE(f.Text4->text(), f.List2->list(0));
    // The same unit on both sides: the volume converts to itself.
    QCOMPARE(
        f.Text1->text(), action == QLatin1String("volume key") ? QStringLiteral("57") : QStringLiteral("5"));
    QCOMPARE(f.Text2->text(), f.Text1->text());
    QVERIFY(f.SaveCmnd->isEnabled());
    QCOMPARE(m_messages.size(), 1);
}

// Each action that fails says so, once -------------------------------------------------

void tst_UnitFileFailure::everyFailingActionSaysSoOnce_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("a key in the volume box") << "volume key";
    QTest::newRow("a letter in the From box") << "From letter";
    QTest::newRow("a click on a To unit") << "To click";
    QTest::newRow("a click on a fluid option") << "fluid click";
}

void tst_UnitFileFailure::everyFailingActionSaysSoOnce()
{
    QFETCH(QString, action);
    Form1 &f = *m_form;
    clickUnit(f.List1, QStringLiteral("Liter"));
    clickUnit(f.List2, QStringLiteral("Pint (US)"));
    typeVolume(QStringLiteral("5"));
    QCOMPARE(f.Text2->text(), QStringLiteral("10.5669"));
    const QString gone
        = QStringLiteral("The unit database %1 cannot be opened: the file does not exist.").arg(m_path);

    moveFileAway();
    // Into the box the action types in, before the file is needed.
    if (action == QLatin1String("volume key"))
        QTest::mouseClick(f.Text1, Qt::LeftButton);
    else if (action == QLatin1String("From letter"))
        QTest::mouseClick(f.Text3, Qt::LeftButton);
    QVERIFY(m_messages.isEmpty());

    const QString toUnits[]
        = { QStringLiteral("Quart (US)"), QStringLiteral("Cup (US)"), QStringLiteral("Gill (US)") };
    OptionButton *const options[] = { f.optionblue, f.OptionLevel, f.optionwhite };
    for (int i = 0; i < 3; ++i) {
        if (action == QLatin1String("volume key"))
            QTest::keyClick(f.Text1, Qt::Key_7);
        else if (action == QLatin1String("From letter"))
            QTest::keyClick(f.Text3, "cmg"[i]);
        else if (action == QLatin1String("To click"))
            clickUnit(f.List2, toUnits[i]);
        else
            QTest::mouseClick(options[i], Qt::LeftButton);
        QCOMPARE(m_messages.size(), i + 1);
        QCOMPARE(m_messages.last(), gone);
        QCOMPARE(f.Text2->text(), noConversion);
        QVERIFY(!f.SaveCmnd->isEnabled());
    }

    // Back in place: the next action works and says nothing.
    putFileBack();
    clickUnit(f.List1, QStringLiteral("Liter"));
    clickUnit(f.List2, QStringLiteral("Pint (US)"));
    typeVolume(QStringLiteral("6"));
    QCOMPARE(f.Text2->text(), QStringLiteral("12.6803"));
    QVERIFY(f.SaveCmnd->isEnabled());
    QCOMPARE(m_messages.size(), 3);
}

// A damaged or replaced file -------------------------------------------------------------

void tst_UnitFileFailure::changedFileCostsOneKeyDerivation_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("reason");
    QTest::newRow("first page scribbled over") << "scribbled"
                                               << "cannot be opened: the file is damaged.";
    QTest::newRow("another program's file") << "foreign"
                                            << "cannot be opened: the password was refused.";
}

void tst_UnitFileFailure::changedFileCostsOneKeyDerivation()
{
    QFETCH(QString, change);
    QFETCH(QString, reason);
    Form1 &f = *m_form;
    typeVolume(QStringLiteral("5"));
    const QByteArray good = fileBytes();
    QVERIFY(good.size() >= 1024);

    if (change == QLatin1String("scribbled")) {
        // Past the salt, so the file still looks like the one whose key is kept.
        QByteArray damaged = good;
        for (int i = 100; i < 300; ++i)
            damaged[i] = char(damaged[i] ^ 0x5a);
        QVERIFY(writeBytes(m_path, damaged));
    } else {
        QCOMPARE(writeUnitDatabase(m_path, { { QStringLiteral("Liter"), 0.001 } }, "another password"),
            std::nullopt);
    }
    const QByteArray changed = fileBytes();
    const int derivationsBefore = m_database->keyDerivations();

    QTest::mouseClick(f.Text1, Qt::LeftButton);
    for (int i = 1; i <= 5; ++i) {
        QTest::keyClick(f.Text1, Qt::Key_1);
        QCOMPARE(m_messages.size(), i);
        QCOMPARE(m_messages.last(), QStringLiteral("The unit database %1 %2").arg(m_path, reason));
        QCOMPARE(f.Text2->text(), noConversion);
        QVERIFY(!f.SaveCmnd->isEnabled());
    }
    QVERIFY2(m_database->keyDerivations() - derivationsBefore <= 1,
        qPrintable(QString::number(m_database->keyDerivations() - derivationsBefore)));
    QCOMPARE(fileBytes(), changed);

    // The good file again: read at once with the key already known.
    QVERIFY(writeBytes(m_path, good));
    typeVolume(QStringLiteral("8"));
    QCOMPARE(f.Text2->text(), QStringLiteral("8"));
    QVERIFY(f.SaveCmnd->isEnabled());
    QCOMPARE(m_messages.size(), 5);
    QVERIFY(m_database->keyDerivations() - derivationsBefore <= 1);
}

// The result box --------------------------------------------------------------------------

void tst_UnitFileFailure::longResultShowsItsStart()
{
    Form1 &f = *m_form;
    clickUnit(f.List1, QStringLiteral("Cubic mile"));
    clickUnit(f.List2, QStringLiteral("Microliter"));
    typeVolume(QStringLiteral("350"));
    QVERIFY2(f.Text2->text().startsWith(QStringLiteral("1,458,864,")), qPrintable(f.Text2->text()));
    QCOMPARE(f.Text2->cursorPosition(), 0);
    // The start is in view: the box's first pixels show the text's first digit.
    QVERIFY(f.Text2->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < f.Text2->width() / 4);

    QTest::mouseClick(f.optionblue, Qt::LeftButton);
    QCOMPARE(f.Text2->cursorPosition(), 0);
    QTest::mouseClick(f.PicFlask, Qt::LeftButton, {}, QPoint(46, 60));
    QVERIFY(f.Text2->text().size() > 20);
    QCOMPARE(f.Text2->cursorPosition(), 0);

    // The user may still read on to the end with the keys.
    QTest::mouseClick(f.Text2, Qt::LeftButton);
    QTest::keyClick(f.Text2, Qt::Key_End);
    QCOMPARE(f.Text2->cursorPosition(), int(f.Text2->text().size()));
}

// The "Data Entry" message ------------------------------------------------------------------

void tst_UnitFileFailure::pastedVolumeIsNamedForWhatItIs_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("toUnit");
    QTest::addColumn<QString>("message");

    const QString liter = QStringLiteral("Liter");
    const QString negative = asDataEntry + QStringLiteral("A volume cannot be less than zero.");
    const QString tooLarge = asDataEntry + QStringLiteral("The volume is too large: use less than 1E+38.");
    QTest::newRow("negative") << "-5" << liter << negative;
    QTest::newRow("negative below one") << "-0.25" << liter << negative;
    QTest::newRow("beyond a Single") << "1e39" << liter << tooLarge;
    QTest::newRow("beyond a 64-bit number") << "1e400" << liter << tooLarge;
    QTest::newRow("forty digits") << QString(40, QLatin1Char('9')) << liter << tooLarge;
    QTest::newRow("result beyond a Single")
        << "1e37" << QStringLiteral("Microliter")
        << QStringLiteral("Please enter a smaller volume.\r\nIts converted volume is too large to show.");
    QTest::newRow("two points") << "1.2.3" << liter
                                << asDataEntry + QStringLiteral("Use only one decimal point.");
}

void tst_UnitFileFailure::pastedVolumeIsNamedForWhatItIs()
{
    QFETCH(QString, pasted);
    QFETCH(QString, toUnit);
    QFETCH(QString, message);
    Form1 &f = *m_form;
    clickUnit(f.List1, QStringLiteral("Cubic mile"));
    clickUnit(f.List2, toUnit);
    pasteVolume(pasted);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.Text2->text(), noConversion);
    QVERIFY(m_messages.isEmpty());

    // The next conversion names what is wrong with the text.
    QTest::mouseClick(f.optionblue, Qt::LeftButton);
    QCOMPARE(m_titles, QStringList { QStringLiteral("Data Entry") });
    QCOMPARE(m_messages, QStringList { message });
}

QTEST_MAIN(tst_UnitFileFailure)
#include "tst_unitfilefailure.moc"
