#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/optionbutton.h"
#include "Formkit/textbox.h"
#include "formstate/formstate.h"
#include "testsupport/fakeprocedures.h"
#include "testsupport/tempfolder.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasewriter.h"
#include "units/unitlists.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using Formkit::CommandButton;
using Formkit::ListBox;
using Formkit::MessageBox;
using Formkit::OptionButton;
using Formkit::TextBox;

namespace {

// The hard cases: a region tag in small letters, a name with both tags, a
// name with both "ter" and "metric", "ter" inside a word, names that differ
// only in case. Sizes are the row numbers, so a factor tells its row.
const QList<UnitRow> testRows = {
    { "Quarter", 1.0 },
    { "Gallon (US)", 2.0 },
    { "gill (uk)", 3.0 },
    { "Barrel (UK) (US)", 4.0 },
    { "Metric liter", 5.0 },
    { "cask", 6.0 },
    { "Acre-foot", 7.0 },
    { "Cup (Au)", 8.0 },
    { "Liter", 9.0 },
    { "LITER", 10.0 },
    { "metric cup", 11.0 },
    { "Bushel (UK)", 12.0 },
    { "teaspoon (au)", 13.0 },
};

float sizeOf(const QString &unit)
{
    for (const UnitRow &row : testRows) {
        if (row.unit.compare(unit, Qt::CaseInsensitive) == 0)
            return row.value.toFloat(); // the first row of that name, as the lookup takes it
    }
    return -1.0f;
}

QStringList entries(const ListBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->listCount(); ++i)
        texts.append(list->list(i));
    return texts;
}

} // namespace

class tst_UnitLists : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void orderings_data();
    void orderings();
    void startUpThroughOption1();
    void refillConvertsOnlyForChangedBoxes();
    void refillWithBlankVolumeConvertsNothing();
    void changeStepButtons_data();
    void changeStepButtons();
    void swapExchangesSelections();
    void swapWithSameUnit();
    void swapWithBlankVolume();
    void mouseDownShowsPressedEntry_data();
    void mouseDownShowsPressedEntry();
    void gotFocusSelectsWholeText();
    void keyPressRecordsCompletion();
    void typingOneLetterCompletes_data();
    void typingOneLetterCompletes();
    void typingOnNarrowsTheMatch();
    void capitalLetterWithShiftKeepsTailSelected();
    void orderingDecidesTheCompletion();
    void letterWithoutMatchKeepsSelection();
    void backspaceNeverCompletes();
    void deleteCompletesEmptyTextToFirstEntry();
    void arrowLeavesCaretAtEnd();
    void arrowKeysInListLookUpFactor();
    void failedLookupLeavesNoFactor();
    void failedRefillLeavesListsEmpty();
    void shippedTableListsEveryUnitOnce_data();
    void shippedTableListsEveryUnitOnce();

private:
    void build(const QString &databasePath);
    void typeInto(TextBox *box, const QString &keys);

    TempFolder m_dir;
    QString m_path;
    QStringList m_messages;

    FormState m_state;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<UnitDatabase> m_database;
    // The window procedures as the window gives them: the lookups go to the unit
    // lists, the conversion is only recorded, with the factors it would use.
    std::unique_ptr<FakeProcedures> m_procedures;
    QList<std::pair<float, float>> m_convertedWith;
    int conversions() const { return int(m_convertedWith.size()); }
    std::unique_ptr<UnitLists> m_lists;
    UnitListWidgets m_w;
};

void tst_UnitLists::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath("units.mdb");
    MessageBox::setHandler(
        [this](const QString &text, const QString &, MessageBox::Icon) { m_messages.append(text); });
}

void tst_UnitLists::init()
{
    QCOMPARE(writeUnitDatabase(m_path, testRows, QByteArray(unitDatabasePassword)), std::nullopt);
    build(m_path);
}

void tst_UnitLists::cleanup()
{
    m_lists.reset();
    m_window.reset();
    m_procedures.reset();
    m_database.reset();
    m_messages.clear();
}

void tst_UnitLists::build(const QString &databasePath)
{
    m_lists.reset();
    m_window.reset();
    m_state = FormState();
    m_database = std::make_unique<UnitDatabase>(databasePath);
    m_procedures = std::make_unique<FakeProcedures>();
    m_convertedWith.clear();

    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    auto add = [layout](auto *widget) {
        layout->addWidget(widget);
        return widget;
    };
    m_w.Text3 = add(new TextBox);
    m_w.List1 = add(new ListBox);
    m_w.Text4 = add(new TextBox);
    m_w.List2 = add(new ListBox);
    m_w.Text1 = add(new TextBox);
    m_w.Text2 = add(new TextBox);
    m_w.SaveCmnd = add(new CommandButton("Save"));
    m_w.MakeFileCmnd = add(new CommandButton("Make File"));
    m_w.Option1 = add(new OptionButton);
    m_w.Option3 = add(new OptionButton);
    m_w.Option2 = add(new OptionButton);
    m_w.Option4 = add(new OptionButton);
    m_w.Command2 = add(new CommandButton("Swap Units"));
    m_w.List1->setMinimumHeight(300);
    // As small as in the window, so a click in the middle lands on the button.
    for (OptionButton *option : { m_w.Option1, m_w.Option2, m_w.Option3, m_w.Option4 })
        option->setFixedSize(17, 17);
    m_w.SaveCmnd->setEnabled(false);
    m_w.MakeFileCmnd->setEnabled(false);

    m_lists = std::make_unique<UnitLists>(m_state, *m_procedures, *m_database, m_w);
    m_procedures->onLookupFromFactor = [this] { m_lists->lookupFromFactor(); };
    m_procedures->onLookupToFactor = [this] { m_lists->lookupToFactor(); };
    m_procedures->onUpdateConversion = [this] {
        m_convertedWith.append({ m_state.fromFactor, m_state.toFactor });
    };
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void tst_UnitLists::typeInto(TextBox *box, const QString &keys)
{
    for (const QChar c : keys)
        QTest::keyClick(box, c.toLatin1());
}

void tst_UnitLists::orderings_data()
{
    QTest::addColumn<OptionButton * UnitListWidgets::*>("option");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("All Ascending") << &UnitListWidgets::Option1
                                   << QStringList { "Acre-foot", "Barrel (UK) (US)", "Bushel (UK)", "cask",
                                          "Cup (Au)", "Gallon (US)", "gill (uk)", "Liter", "LITER",
                                          "metric cup", "Metric liter", "Quarter", "teaspoon (au)" };
    QTest::newRow("Metric units first") << &UnitListWidgets::Option3
                                        << QStringList { "Liter", "LITER", "Metric liter", "Quarter", // ter
                                               "metric cup", "Metric liter", // metric
                                               "Acre-foot", "Barrel (UK) (US)", "Bushel (UK)", "cask",
                                               "Cup (Au)", "Gallon (US)", "gill (uk)", "teaspoon (au)" };
    QTest::newRow("UK, US units first")
        << &UnitListWidgets::Option2
        << QStringList { "Barrel (UK) (US)", "Bushel (UK)", "gill (uk)", // (UK
               "Barrel (UK) (US)", "Gallon (US)", // (US
               "Acre-foot", "cask", "Cup (Au)", "Liter", "LITER", "metric cup", "Metric liter", "Quarter",
               "teaspoon (au)" };
    QTest::newRow("Aussie units first")
        << &UnitListWidgets::Option4
        << QStringList { "Cup (Au)", "teaspoon (au)", // (Au
               "Acre-foot", "Barrel (UK) (US)", "Bushel (UK)", "cask", "Gallon (US)", "gill (uk)", "Liter",
               "LITER", "metric cup", "Metric liter", "Quarter" };
}

void tst_UnitLists::orderings()
{
    QFETCH(OptionButton * UnitListWidgets::*, option);
    QFETCH(QStringList, expected);
    m_w.Text1->setText("1");
    // Start from another ordering, with other entries selected.
    m_w.Option1->setValue(true);
    m_w.List1->setListIndex(5);
    m_w.List2->setListIndex(7);

    QTest::mouseClick(m_w.*option, Qt::LeftButton);

    QCOMPARE(entries(m_w.List1), expected);
    QCOMPARE(entries(m_w.List2), expected);
    QCOMPARE(m_w.List1->listIndex(), 0);
    QCOMPARE(m_w.List2->listIndex(), 0);
    QCOMPARE(m_w.Text3->text(), expected.first());
    QCOMPARE(m_w.Text4->text(), expected.first());
    QCOMPARE(m_state.fromFactor, sizeOf(expected.first()));
    QCOMPARE(m_state.toFactor, sizeOf(expected.first()));
    QVERIFY(m_messages.isEmpty());
}

void tst_UnitLists::startUpThroughOption1()
{
    QSignalSpy fromClicks(m_w.List1, &ListBox::click);
    m_w.Option1->setValue(true);
    QCOMPARE(m_w.List1->listCount(), testRows.size());
    QCOMPARE(m_w.Text3->text(), "Acre-foot");
    QCOMPARE(m_w.Text4->text(), "Acre-foot");
    QCOMPARE(m_state.fromFactor, 7.0f);
    QCOMPARE(m_state.toFactor, 7.0f);
    QCOMPARE(fromClicks.count(), 1);
    // The volume box is still empty at start-up: nothing converts yet.
    QCOMPARE(conversions(), 0);
    QVERIFY(!m_w.SaveCmnd->isEnabled());
}

void tst_UnitLists::refillConvertsOnlyForChangedBoxes()
{
    m_w.Option1->setValue(true);
    m_w.Text1->setText("2");
    // Both first entries change: each box converts once, with the new factors.
    m_w.Option4->setValue(true);
    QCOMPARE(conversions(), 2);
    QCOMPARE(m_convertedWith.last(), std::make_pair(8.0f, 8.0f));
    QVERIFY(m_w.SaveCmnd->isEnabled());
    // The same ordering again leaves both boxes as they are: no change, no conversion.
    m_w.Option4->setValue(true);
    QCOMPARE(conversions(), 2);
}

void tst_UnitLists::refillWithBlankVolumeConvertsNothing()
{
    m_w.Option1->setValue(true);
    m_w.Text1->setText("   ");
    m_w.Option2->setValue(true);
    QCOMPARE(m_w.Text3->text(), "Barrel (UK) (US)");
    QCOMPARE(conversions(), 0);
    QVERIFY(!m_w.SaveCmnd->isEnabled());
    // The factors follow the selections all the same.
    QCOMPARE(m_state.fromFactor, 4.0f);
}

void tst_UnitLists::changeStepButtons_data()
{
    QTest::addColumn<bool>("gridHasRows");
    QTest::addColumn<bool>("makeFileEnabled");
    QTest::newRow("nothing saved yet") << false << false;
    QTest::newRow("a conversion saved") << true << true;
}

void tst_UnitLists::changeStepButtons()
{
    QFETCH(bool, gridHasRows);
    QFETCH(bool, makeFileEnabled);
    m_w.Option1->setValue(true);
    m_w.Text1->setText("1");
    m_state.gridHasRows = gridHasRows;
    m_w.MakeFileCmnd->setEnabled(!makeFileEnabled);
    m_w.Text4->setText("Cup (Au)");
    QVERIFY(m_w.SaveCmnd->isEnabled());
    QCOMPARE(m_w.MakeFileCmnd->isEnabled(), makeFileEnabled);
    QCOMPARE(conversions(), 1);
}

void tst_UnitLists::swapExchangesSelections()
{
    m_w.Option1->setValue(true);
    m_w.Text1->setText("1");
    m_w.List1->setListIndex(1); // Barrel (UK) (US), 4
    m_w.List2->setListIndex(5); // Gallon (US), 2
    QCOMPARE(m_state.fromFactor, 4.0f);
    QCOMPARE(m_state.toFactor, 2.0f);

    QTest::mouseClick(m_w.Command2, Qt::LeftButton);

    QCOMPARE(m_w.List1->listIndex(), 5);
    QCOMPARE(m_w.List2->listIndex(), 1);
    QCOMPARE(m_w.Text3->text(), "Gallon (US)");
    QCOMPARE(m_w.Text4->text(), "Barrel (UK) (US)");
    QCOMPARE(m_state.fromFactor, 2.0f);
    QCOMPARE(m_state.toFactor, 4.0f);
    QCOMPARE(conversions(), 2);
    QCOMPARE(m_convertedWith.last(), std::make_pair(2.0f, 4.0f));
}

void tst_UnitLists::swapWithSameUnit()
{
    m_w.Option1->setValue(true);
    m_w.List1->setListIndex(3);
    m_w.List2->setListIndex(3);
    m_w.Text3->setText("something else");
    m_lists->swapUnits();
    QCOMPARE(m_w.List1->listIndex(), 3);
    QCOMPARE(m_w.List2->listIndex(), 3);
    QCOMPARE(m_w.Text3->text(), "cask");
    QCOMPARE(m_w.Text4->text(), "cask");
}

void tst_UnitLists::swapWithBlankVolume()
{
    m_w.Option1->setValue(true);
    m_w.List2->setListIndex(2);
    m_lists->swapUnits();
    QCOMPARE(m_w.Text3->text(), "Bushel (UK)");
    QCOMPARE(m_w.Text4->text(), "Acre-foot");
    QCOMPARE(m_state.fromFactor, 12.0f);
    QCOMPARE(m_state.toFactor, 7.0f);
    QCOMPARE(conversions(), 0);
}

void tst_UnitLists::mouseDownShowsPressedEntry_data()
{
    QTest::addColumn<bool>("toSide");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left button on List1") << false << Qt::LeftButton;
    QTest::newRow("left button on List2") << true << Qt::LeftButton;
    QTest::newRow("right button on List1") << false << Qt::RightButton;
}

void tst_UnitLists::mouseDownShowsPressedEntry()
{
    QFETCH(bool, toSide);
    QFETCH(Qt::MouseButton, button);
    ListBox *list = toSide ? m_w.List2 : m_w.List1;
    TextBox *box = toSide ? m_w.Text4 : m_w.Text3;
    m_w.Option1->setValue(true);
    m_w.Text1->setText("1");
    const QRect entry = list->visualItemRect(list->item(4));
    QVERIFY(entry.isValid());
    QTest::mousePress(list->viewport(), button, {}, entry.center());
    QTest::mouseRelease(list->viewport(), button, {}, entry.center());
    if (button == Qt::LeftButton) {
        QCOMPARE(list->listIndex(), 4);
        QCOMPARE(box->text(), "Cup (Au)");
        QCOMPARE(toSide ? m_state.toFactor : m_state.fromFactor, 8.0f);
    }
    // Whatever the button, the box shows the list's selected entry.
    QCOMPARE(box->text(), list->text());
}

void tst_UnitLists::gotFocusSelectsWholeText()
{
    m_w.Option1->setValue(true);
    m_w.Text1->setFocus();
    QTRY_VERIFY(m_w.Text1->hasFocus());
    QVERIFY(!m_w.Text3->hasSelectedText());
    m_w.Text3->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(m_w.Text3->hasFocus());
    QCOMPARE(m_w.Text3->selStart(), 0);
    QCOMPARE(m_w.Text3->selLength(), int(QString("Acre-foot").size()));
    m_w.Text4->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(m_w.Text4->hasFocus());
    QCOMPARE(m_w.Text4->selectedText(), "Acre-foot");
}

void tst_UnitLists::keyPressRecordsCompletion()
{
    m_w.Option1->setValue(true);
    QTest::keyClick(m_w.Text3, 'g');
    QVERIFY(m_state.fromCompleteAllowed);
    QTest::keyClick(m_w.Text3, Qt::Key_Backspace);
    QVERIFY(!m_state.fromCompleteAllowed);
    // Keys that type no character leave the flag alone.
    QTest::keyClick(m_w.Text3, Qt::Key_Left);
    QVERIFY(!m_state.fromCompleteAllowed);
    QTest::keyClick(m_w.Text4, 'x');
    QVERIFY(m_state.toCompleteAllowed);
    QVERIFY(!m_state.fromCompleteAllowed);
}

void tst_UnitLists::typingOneLetterCompletes_data()
{
    QTest::addColumn<bool>("toSide");
    QTest::addColumn<char>("letter");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("index");
    QTest::newRow("small letter, capital entry") << false << 'g' << "gallon (US)" << 5;
    QTest::newRow("capital letter, small entry") << false << 'C' << "Cask" << 3;
    QTest::newRow("first of names differing in case") << false << 'L' << "Liter" << 7;
    QTest::newRow("To side") << true << 't' << "teaspoon (au)" << 12;
}

void tst_UnitLists::typingOneLetterCompletes()
{
    QFETCH(bool, toSide);
    QFETCH(char, letter);
    QFETCH(QString, shown);
    QFETCH(int, index);
    TextBox *box = toSide ? m_w.Text4 : m_w.Text3;
    ListBox *list = toSide ? m_w.List2 : m_w.List1;
    m_w.Option1->setValue(true);
    m_w.Text1->setText("1");
    box->setText(QString());
    m_convertedWith.clear();

    QTest::keyClick(box, letter);

    QCOMPARE(box->text(), shown);
    QCOMPARE(list->listIndex(), index);
    QCOMPARE(box->selStart(), 1);
    QCOMPARE(box->selLength(), int(shown.size()) - 1);
    const float expected = sizeOf(list->text());
    QCOMPARE(toSide ? m_state.toFactor : m_state.fromFactor, expected);
    QVERIFY(conversions() >= 1);
    const auto last = m_convertedWith.last();
    QCOMPARE(toSide ? last.second : last.first, expected);
}

void tst_UnitLists::typingOnNarrowsTheMatch()
{
    m_w.Option1->setValue(true);
    m_w.Text3->setText(QString());
    typeInto(m_w.Text3, "gi");
    QCOMPARE(m_w.Text3->text(), "gill (uk)");
    QCOMPARE(m_w.List1->text(), "gill (uk)");
    QCOMPARE(m_w.Text3->selectedText(), "ll (uk)");
    QCOMPARE(m_state.fromFactor, 3.0f);
}

void tst_UnitLists::capitalLetterWithShiftKeepsTailSelected()
{
    m_w.Option1->setValue(true);
    m_w.Text3->setText(QString());
    // Shift+G, as a user types a capital: Shift comes up after the letter.
    QTest::keyPress(m_w.Text3, Qt::Key_Shift);
    QTest::keyClick(m_w.Text3, 'G', Qt::ShiftModifier);
    QTest::keyRelease(m_w.Text3, Qt::Key_Shift);
    const QString completed = m_w.List1->text();
    QCOMPARE(m_w.Text3->text(), QStringLiteral("G") + completed.mid(1));
    QCOMPARE(m_w.Text3->selectedText(), completed.mid(1));
    typeInto(m_w.Text3, "i"); // replaces the selected tail
    QCOMPARE(m_w.Text3->text(), "Gill (uk)");
    QCOMPARE(m_w.Text3->selectedText(), "ll (uk)");
}

void tst_UnitLists::orderingDecidesTheCompletion()
{
    m_w.Option1->setValue(true);
    m_w.Text3->setText(QString());
    typeInto(m_w.Text3, "g");
    QCOMPARE(m_w.Text3->text(), "gallon (US)");
    // With the UK units first, "gill (uk)" comes before "Gallon (US)".
    m_w.Option2->setValue(true);
    m_w.Text3->setText(QString());
    typeInto(m_w.Text3, "g");
    QCOMPARE(m_w.Text3->text(), "gill (uk)");
    QCOMPARE(m_w.List1->listIndex(), 2);
}

void tst_UnitLists::letterWithoutMatchKeepsSelection()
{
    m_w.Option1->setValue(true);
    m_w.Text1->setText("1");
    m_w.List1->setListIndex(4);
    m_w.Text3->setText(QString());
    m_convertedWith.clear();
    QTest::keyClick(m_w.Text3, 'z');
    QCOMPARE(m_w.Text3->text(), "z");
    QCOMPARE(m_w.List1->listIndex(), 4);
    QCOMPARE(m_state.fromFactor, 8.0f);
    // The box changed, so the volume is converted again with the unchanged unit.
    QCOMPARE(conversions(), 1);
    QCOMPARE(m_convertedWith.last().first, 8.0f);
}

void tst_UnitLists::backspaceNeverCompletes()
{
    m_w.Option1->setValue(true);
    m_w.List1->setListIndex(2);
    m_w.Text3->setText("Gallon (US)");
    m_w.Text3->setCursorPosition(int(m_w.Text3->text().size()));
    QTest::keyClick(m_w.Text3, Qt::Key_Backspace);
    QCOMPARE(m_w.Text3->text(), "Gallon (US");
    QCOMPARE(m_w.List1->listIndex(), 2);
    QVERIFY(!m_w.Text3->hasSelectedText());
    QTest::keyClick(m_w.Text3, Qt::Key_Backspace);
    QCOMPARE(m_w.Text3->text(), "Gallon (U");
    QCOMPARE(m_w.List1->listIndex(), 2);
}

void tst_UnitLists::deleteCompletesEmptyTextToFirstEntry()
{
    m_w.Option4->setValue(true);
    m_w.Text3->setText(QString());
    QTest::keyClick(m_w.Text3, 'g');
    QCOMPARE(m_w.Text3->text(), "gallon (US)");
    m_w.Text3->selectAll();
    QTest::keyClick(m_w.Text3, Qt::Key_Delete);
    QCOMPARE(m_w.Text3->text(), "Cup (Au)");
    QCOMPARE(m_w.List1->listIndex(), 0);
    QCOMPARE(m_w.Text3->selStart(), 0);
    QCOMPARE(m_w.Text3->selLength(), int(QString("Cup (Au)").size()));
    QCOMPARE(m_state.fromFactor, 8.0f);
}

void tst_UnitLists::arrowLeavesCaretAtEnd()
{
    m_w.Option1->setValue(true);
    m_w.Text3->setText(QString());
    QTest::keyClick(m_w.Text3, 'b');
    QCOMPARE(m_w.Text3->text(), "barrel (UK) (US)");
    for (const Qt::Key key : { Qt::Key_Right, Qt::Key_Left, Qt::Key_Home }) {
        QTest::keyClick(m_w.Text3, key);
        QCOMPARE(m_w.Text3->text(), "barrel (UK) (US)");
        QVERIFY(!m_w.Text3->hasSelectedText());
        QCOMPARE(m_w.Text3->cursorPosition(), int(m_w.Text3->text().size()));
    }
    QCOMPARE(m_w.List1->listIndex(), 1);
}

void tst_UnitLists::arrowKeysInListLookUpFactor()
{
    m_w.Option1->setValue(true);
    m_w.List1->setFocus();
    QTest::keyClick(m_w.List1, Qt::Key_Down);
    QCOMPARE(m_w.List1->listIndex(), 1);
    QCOMPARE(m_state.fromFactor, 4.0f);
    QTest::keyClick(m_w.List1, Qt::Key_Down);
    QCOMPARE(m_state.fromFactor, 12.0f);
    QTest::keyClick(m_w.List1, Qt::Key_Up);
    QCOMPARE(m_state.fromFactor, 4.0f);
    QTest::keyClick(m_w.List2, Qt::Key_End);
    QCOMPARE(m_w.List2->text(), "teaspoon (au)");
    QCOMPARE(m_state.toFactor, 13.0f);
}

void tst_UnitLists::failedLookupLeavesNoFactor()
{
    m_w.Option1->setValue(true);
    m_w.List1->setListIndex(5); // Gallon (US)
    QCOMPARE(m_state.fromFactor, 2.0f);
    // The file now lacks the selected unit.
    QList<UnitRow> fewer = testRows;
    fewer.removeAt(1);
    QCOMPARE(writeUnitDatabase(m_path, fewer, QByteArray(unitDatabasePassword)), std::nullopt);
    m_lists->lookupFromFactor();
    m_lists->lookupFromFactor();
    // No size of the unit before is left behind; within one action it is told once.
    QCOMPARE(m_state.fromFactor, 0.0f);
    QCOMPARE(m_w.Text2->text(), QStringLiteral("No conversion"));
    QVERIFY(!m_w.SaveCmnd->isEnabled());
    const QString missing
        = QStringLiteral("The unit database %1 has no row for the unit \"Gallon (US)\".").arg(m_path);
    QCOMPARE(m_messages, QStringList { missing });

    // The user's clicks are new actions: a good one reads the size, and the
    // unit without a row is told again.
    const auto clickEntry = [this](int index) {
        QListWidgetItem *item = m_w.List1->item(index);
        QTest::mouseClick(
            m_w.List1->viewport(), Qt::LeftButton, {}, m_w.List1->visualItemRect(item).center());
        QCOMPARE(m_w.List1->listIndex(), index);
    };
    clickEntry(0);
    QCOMPARE(m_state.fromFactor, 7.0f);
    clickEntry(5);
    QCOMPARE(m_messages, (QStringList { missing, missing }));
    QCOMPARE(m_state.fromFactor, 0.0f);
}

void tst_UnitLists::failedRefillLeavesListsEmpty()
{
    m_w.Option1->setValue(true);
    m_w.Text1->setText(QStringLiteral("3"));
    QVERIFY(QFile::remove(m_path));
    m_w.Option2->setValue(true);
    QCOMPARE(m_w.List1->listCount(), 0);
    QCOMPARE(m_w.List2->listCount(), 0);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().contains("does not exist"));
    // No unit is selected: no sizes, no names in the boxes, nothing to save.
    QCOMPARE(m_state.fromFactor, 0.0f);
    QCOMPARE(m_state.toFactor, 0.0f);
    QCOMPARE(m_w.Text3->text(), QString());
    QCOMPARE(m_w.Text4->text(), QString());
    QCOMPARE(m_w.Text2->text(), QStringLiteral("No conversion"));
    QVERIFY(!m_w.SaveCmnd->isEnabled());
    // Nothing to look up, and nothing more is told.
    m_lists->lookupFromFactor();
    QCOMPARE(m_state.fromFactor, 0.0f);
    QCOMPARE(m_messages.size(), 1);
}

void tst_UnitLists::shippedTableListsEveryUnitOnce_data()
{
    QTest::addColumn<OptionButton * UnitListWidgets::*>("option");
    QTest::newRow("All Ascending") << &UnitListWidgets::Option1;
    QTest::newRow("Metric units first") << &UnitListWidgets::Option3;
    QTest::newRow("UK, US units first") << &UnitListWidgets::Option2;
    QTest::newRow("Aussie units first") << &UnitListWidgets::Option4;
}

void tst_UnitLists::shippedTableListsEveryUnitOnce()
{
    QFETCH(OptionButton * UnitListWidgets::*, option);
    build(QStringLiteral(BRIMLOW_UNIT_DATABASE));
    (m_w.*option)->setValue(true);
    const QStringList listed = entries(m_w.List1);
    QVERIFY(listed.size() >= 60);
    QCOMPARE(QSet<QString>(listed.cbegin(), listed.cend()).size(), listed.size());
    QCOMPARE(entries(m_w.List2), listed);
    QVERIFY(m_state.fromFactor > 0.0f);
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(tst_UnitLists)
#include "tst_unitlists.moc"
