#include "Formkit/commandbutton.h"
#include "Formkit/listbox.h"
#include "Formkit/messagebox.h"
#include "Formkit/textbox.h"
#include "Formkit/timer.h"
#include "app/form1.h"
#include "formstate/programfolder.h"
#include "results/resultsgrid.h"
#include "units/unitdatabase.h"
#include "units/unitdatabasepath.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <memory>

using Formkit::ListBox;
using Formkit::MessageBox;
using Formkit::TextBox;

// What a user does in the first minute with mouse and keyboard, on the real
// window: click into a box and type, pick a unit in a list with the keys or by
// dragging, use the editing shortcuts, and type for a long while.
class tst_UserInput : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickIntoBoxThenTypeReplaces_data();
    void clickIntoBoxThenTypeReplaces();
    void clickIntoFocusedBoxPlacesCaret();
    void unitChosenInListIsConverted_data();
    void unitChosenInListIsConverted();
    void unitChosenByDraggingIsConverted();
    void unitNameTypedInFullIsConverted_data();
    void unitNameTypedInFullIsConverted();
    void shortcutsInUnitBox();
    void pasteIntoUnitBoxIsNotCompleted();
    void volumeBoxKeepsNoUndo();
    void unitBoxUndoIsBounded();

private:
    Form1 &form() { return *m_form; }
    TextBox *box(const QString &name) const { return m_form->findChild<TextBox *>(name); }
    ListBox *list(const QString &name) const { return m_form->findChild<ListBox *>(name); }
    // Empties a box with End and Backspace, then types the keys.
    void retype(TextBox *box, const QString &keys);
    void clickEntry(ListBox *list, int row);
    QStringList lastSavedRow() const;

    std::unique_ptr<UnitDatabase> m_database;
    std::unique_ptr<Form1> m_form;
    QStringList m_messages;
};

namespace {

void click(QWidget *widget, QPoint at = QPoint())
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void type(QWidget *widget, const QString &keys)
{
    for (const QChar c : keys)
        QTest::keyClick(widget, c.toLatin1());
}

void ctrl(QWidget *widget, Qt::Key key)
{
    QTest::keyClick(widget, key, Qt::ControlModifier);
}

} // namespace

void tst_UserInput::init()
{
    m_messages.clear();
    MessageBox::setHandler(
        [this](const QString &text, const QString &, MessageBox::Icon) { m_messages << text; });
    m_database = std::make_unique<UnitDatabase>(unitDatabasePath(program::programFolder()));
    m_form = std::make_unique<Form1>(*m_database);
    m_form->load();
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTRY_VERIFY(!m_form->Timer1->isEnabled());
    QCOMPARE(m_form->Text3->text(), QStringLiteral("Acre-foot (US)"));
}

void tst_UserInput::cleanup()
{
    QVERIFY(m_messages.isEmpty());
    m_form.reset();
    m_database.reset();
    MessageBox::setHandler({});
}

void tst_UserInput::retype(TextBox *box, const QString &keys)
{
    click(box);
    QTest::keyClick(box, Qt::Key_End);
    while (!box->text().isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    type(box, keys);
}

void tst_UserInput::clickEntry(ListBox *list, int row)
{
    click(list->viewport(), list->visualItemRect(list->item(row)).center());
}

QStringList tst_UserInput::lastSavedRow() const
{
    const ResultsGrid *grid = m_form->ResultsGrid;
    QStringList cells;
    for (int col = 0; col < grid->cols(); ++col)
        cells << grid->cellText(grid->rows() - 1, col);
    return cells;
}

void tst_UserInput::clickIntoBoxThenTypeReplaces_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("byTab");
    QTest::newRow("volume box, click") << "Text1"
                                       << "7"
                                       << "7" << false;
    QTest::newRow("From find box, click") << "Text3"
                                          << "G"
                                          << "Gallon (UK)" << false;
    QTest::newRow("To find box, click") << "Text4"
                                        << "Lit"
                                        << "Liter" << false;
    QTest::newRow("From find box, Tab") << "Text3"
                                        << "G"
                                        << "Gallon (UK)" << true;
}

void tst_UserInput::clickIntoBoxThenTypeReplaces()
{
    QFETCH(QString, boxName);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(bool, byTab);
    retype(form().Text1, QStringLiteral("40"));
    click(form().Text2); // the focus elsewhere; Text2 comes just before Text3 in the tab order
    TextBox *target = box(boxName);
    if (byTab)
        QTest::keyClick(form().Text2, Qt::Key_Tab);
    else
        click(target);
    QVERIFY(target->hasFocus());
    QCOMPARE(target->selectedText(), target->text());
    type(target, keys);
    QCOMPARE(target->text(), expected);
    if (target == form().Text1) {
        QCOMPARE(form().Text2->text(), QStringLiteral("7"));
    } else {
        ListBox *under = target == form().Text3 ? form().List1 : form().List2;
        QCOMPARE(under->text(), expected);
    }
}

void tst_UserInput::clickIntoFocusedBoxPlacesCaret()
{
    retype(form().Text1, QStringLiteral("40"));
    click(form().Text2);
    click(form().Text1);
    QCOMPARE(form().Text1->selectedText(), QStringLiteral("40"));
    click(form().Text1, QPoint(2, form().Text1->height() / 2)); // before the 4
    QVERIFY(!form().Text1->hasSelectedText());
    type(form().Text1, QStringLiteral("5"));
    QCOMPARE(form().Text1->text(), QStringLiteral("540"));
}

void tst_UserInput::unitChosenInListIsConverted_data()
{
    QTest::addColumn<QString>("listName");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("result");
    // 3 Liter into Milliliter, then one key in a list.
    QTest::newRow("Down in From") << "List1" << int(Qt::Key_Down) << "Megaliter"
                                  << "3,000,000,000";
    QTest::newRow("Up in From") << "List1" << int(Qt::Key_Up) << "Kilolitre (Au)"
                                << "3,000,000";
    QTest::newRow("letter in From") << "List1" << int(Qt::Key_H) << "Hectoliter"
                                    << "300,000";
    QTest::newRow("End in From") << "List1" << int(Qt::Key_End) << "Teaspoon (US)"
                                 << "14.7868";
    QTest::newRow("PageDown in From") << "List1" << int(Qt::Key_PageDown) << "Minim (UK)"
                                      << "0.1775816";
    QTest::newRow("Up in To") << "List2" << int(Qt::Key_Up) << "Microliter"
                              << "3,000,000";
    QTest::newRow("Home in To") << "List2" << int(Qt::Key_Home) << "Acre-foot (US)"
                                << "0.0000024321";
}

void tst_UserInput::unitChosenInListIsConverted()
{
    QFETCH(QString, listName);
    QFETCH(int, key);
    QFETCH(QString, unit);
    QFETCH(QString, result);
    retype(form().Text1, QStringLiteral("3"));
    retype(form().Text3, QStringLiteral("Lit"));
    retype(form().Text4, QStringLiteral("Mil"));
    QCOMPARE(form().Text3->text(), QStringLiteral("Liter"));
    QCOMPARE(form().Text4->text(), QStringLiteral("Milliliter"));
    QCOMPARE(form().Text2->text(), QStringLiteral("3,000"));

    ListBox *chosen = list(listName);
    TextBox *findBox = chosen == form().List1 ? form().Text3 : form().Text4;
    clickEntry(chosen, chosen->listIndex()); // the focus into the list, on the unit it shows
    QTest::keyClick(chosen, Qt::Key(key));
    QCOMPARE(chosen->text(), unit);
    QCOMPARE(findBox->text(), unit);
    QCOMPARE(form().Text2->text(), result);

    click(form().SaveCmnd);
    const QStringList row = lastSavedRow();
    QCOMPARE(row.at(0), form().List1->text());
    QCOMPARE(row.at(1), QStringLiteral("3"));
    QCOMPARE(row.at(2), form().List2->text());
    QCOMPARE(row.at(3), result);
}

void tst_UserInput::unitChosenByDraggingIsConverted()
{
    retype(form().Text1, QStringLiteral("3"));
    retype(form().Text3, QStringLiteral("Lit"));
    retype(form().Text4, QStringLiteral("Mil"));
    ListBox *from = form().List1;
    const int liter = from->listIndex();
    QWidget *area = from->viewport();
    QTest::mousePress(area, Qt::LeftButton, {}, from->visualItemRect(from->item(liter)).center());
    QTest::mouseMove(area, from->visualItemRect(from->item(liter - 1)).center());
    QTest::mouseMove(area, from->visualItemRect(from->item(liter - 2)).center());
    QTest::mouseRelease(area, Qt::LeftButton, {}, from->visualItemRect(from->item(liter - 2)).center());
    QCOMPARE(from->text(), QStringLiteral("Kiloliter"));
    QCOMPARE(form().Text3->text(), QStringLiteral("Kiloliter"));
    QCOMPARE(form().Text2->text(), QStringLiteral("3,000,000"));
    click(form().SaveCmnd);
    QCOMPARE(lastSavedRow(),
        (QStringList { QStringLiteral("Kiloliter"), QStringLiteral("3"), QStringLiteral("Milliliter"),
            QStringLiteral("3,000,000") }));
}

void tst_UserInput::unitNameTypedInFullIsConverted_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("longer"); // what the prefix completes to
    QTest::addColumn<QString>("longerResult");
    QTest::addColumn<QString>("unit"); // the prefix and ")"
    QTest::addColumn<QString>("result");
    // 10 Liter into the unit typed in the To find box.
    QTest::newRow("Cup (US)") << "Cup (US"
                              << "Cup (US legal)"
                              << "41.6667"
                              << "Cup (US)"
                              << "42.2675";
    QTest::newRow("Gallon (US)") << "Gallon (US"
                                 << "Gallon (US dry)"
                                 << "2.2702"
                                 << "Gallon (US)"
                                 << "2.6417";
}

// The last key leaves the text as the user typed it, yet selects another entry:
// the volume is converted with that entry, and Save keeps it.
void tst_UserInput::unitNameTypedInFullIsConverted()
{
    QFETCH(QString, prefix);
    QFETCH(QString, longer);
    QFETCH(QString, longerResult);
    QFETCH(QString, unit);
    QFETCH(QString, result);
    retype(form().Text1, QStringLiteral("10"));
    retype(form().Text3, QStringLiteral("Lit"));
    QCOMPARE(form().Text3->text(), QStringLiteral("Liter"));

    TextBox *find = form().Text4;
    click(find);
    type(find, prefix);
    QCOMPARE(find->text(), longer);
    QCOMPARE(form().Text2->text(), longerResult);
    type(find, QStringLiteral(")"));
    QCOMPARE(find->text(), unit);
    QCOMPARE(form().List2->text(), unit);
    QCOMPARE(form().Text2->text(), result);

    click(form().SaveCmnd);
    QCOMPARE(lastSavedRow(), (QStringList { QStringLiteral("Liter"), QStringLiteral("10"), unit, result }));
}

void tst_UserInput::shortcutsInUnitBox()
{
    TextBox *find = form().Text3;
    const QString first = find->text();
    click(find);
    ctrl(find, Qt::Key_A);
    QCOMPARE(find->selectedText(), first);
    ctrl(find, Qt::Key_C);
    QCOMPARE(QApplication::clipboard()->text(), first);
    QCOMPARE(find->selectedText(), first);
    ctrl(find, Qt::Key_X);
    QCOMPARE(find->text(), QString());
    ctrl(find, Qt::Key_Z);
    QCOMPARE(find->text(), first);

    ctrl(find, Qt::Key_A);
    QTest::keyClick(find, Qt::Key_Backspace);
    QCOMPARE(find->text(), QString());
    type(find, QStringLiteral("G"));
    QCOMPARE(find->text(), QStringLiteral("Gallon (UK)"));
    QCOMPARE(form().List1->text(), QStringLiteral("Gallon (UK)"));
}

void tst_UserInput::pasteIntoUnitBoxIsNotCompleted()
{
    TextBox *find = form().Text4;
    QApplication::clipboard()->setText(QStringLiteral("Gal")); // copied in another program
    click(find);
    ctrl(find, Qt::Key_A);
    ctrl(find, Qt::Key_V);
    QCOMPARE(find->text(), QStringLiteral("Gal"));
    QCOMPARE(form().List2->text(), QStringLiteral("Acre-foot (US)"));
    ctrl(find, Qt::Key_Z);
    QCOMPARE(find->text(), QStringLiteral("Acre-foot (US)"));
}

void tst_UserInput::volumeBoxKeepsNoUndo()
{
    TextBox *volume = form().Text1;
    retype(volume, QStringLiteral("12.5"));
    QTest::keyClick(volume, Qt::Key_Backspace);
    type(volume, QStringLiteral("75"));
    QCOMPARE(volume->text(), QStringLiteral("12.75"));
    QVERIFY(!volume->isUndoAvailable());
    QCOMPARE(form().Text2->text(), QStringLiteral("12.75"));
}

void tst_UserInput::unitBoxUndoIsBounded()
{
    TextBox *find = form().Text3;
    retype(find, QString());
    // No unit starts with z: every key is an edit of its own, none completes.
    for (int i = 0; i < 300; ++i) {
        type(find, QStringLiteral("z"));
        QTest::keyClick(find, Qt::Key_Backspace);
    }
    type(find, QStringLiteral("zy"));
    QTest::keyClick(find, Qt::Key_Backspace);
    QCOMPARE(find->text(), QStringLiteral("z"));
    ctrl(find, Qt::Key_Z); // the Backspace undone
    QCOMPARE(find->text(), QStringLiteral("zy"));
    int steps = 1;
    while (find->isUndoAvailable() && steps < 1000) {
        find->undo();
        ++steps;
    }
    QVERIFY2(steps >= 20 && steps <= 200, qPrintable(QString::number(steps)));
}

QTEST_MAIN(tst_UserInput)
#include "tst_userinput.moc"
