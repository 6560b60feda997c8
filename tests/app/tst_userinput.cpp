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
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
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
    void pastedUnitNameCompletes_data();
    void pastedUnitNameCompletes();
    void volumeBoxKeepsNoUndo();
    void metricAnswersAreExact_data();
    void metricAnswersAreExact();
    void typedOverSelection_data();
    void typedOverSelection();
    void pastedVolumeStaysOneLine_data();
    void pastedVolumeStaysOneLine();
    void unitBoxUndoIsBounded();

private:
    Form1 &form() { return *m_form; }
    TextBox *box(const QString &name) const { return m_form->findChild<TextBox *>(name); }
    ListBox *list(const QString &name) const { return m_form->findChild<ListBox *>(name); }
    // Empties a box with End and Backspace, then types the keys.
    void retype(TextBox *box, const QString &keys);
    void clickEntry(ListBox *list, int row);
    QStringList lastSavedRow() const;

    std::unique_ptr<QTemporaryDir> m_results; // where "Make File" writes
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

// The ways a text on the clipboard reaches a box.
enum class PasteBy { CtrlV, ShiftInsert, MiddleButton, ContextMenu };

const char *pasteName(PasteBy how)
{
    switch (how) {
    case PasteBy::CtrlV:
        return "Ctrl+V";
    case PasteBy::ShiftInsert:
        return "Shift+Insert";
    case PasteBy::MiddleButton:
        return "middle button";
    case PasteBy::ContextMenu:
        return "context menu";
    }
    return "";
}

// Pastes `text` into the focused box as a user does. False when the platform
// has no such way (a middle click pastes the selection clipboard, which not
// every platform has).
bool paste(QLineEdit *box, const QString &text, PasteBy how)
{
    QClipboard *clipboard = QApplication::clipboard();
    switch (how) {
    case PasteBy::CtrlV:
        clipboard->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        return true;
    case PasteBy::ShiftInsert:
        clipboard->setText(text);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        return true;
    case PasteBy::MiddleButton:
        if (!clipboard->supportsSelection())
            return false;
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton);
        return true;
    case PasteBy::ContextMenu: {
        clipboard->setText(text);
        // What the platform makes of a right click.
        const QPoint at = box->rect().center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, box->mapToGlobal(at));
        QApplication::sendEvent(box, &menuEvent);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return false;
        const QString caption = QCoreApplication::translate("QLineEdit", "&Paste");
        QAction *pasteAction = nullptr;
        for (QAction *action : menu->actions())
            if (action->text().section(QLatin1Char('\t'), 0, 0) == caption)
                pasteAction = action;
        if (!pasteAction)
            return false;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(pasteAction).center());
        return true;
    }
    }
    return false;
}

} // namespace

void tst_UserInput::init()
{
    m_messages.clear();
    MessageBox::setHandler(
        [this](const QString &text, const QString &, MessageBox::Icon) { m_messages << text; });
    m_results = std::make_unique<QTemporaryDir>();
    QVERIFY(m_results->isValid());
    m_database = std::make_unique<UnitDatabase>(unitDatabasePath(program::programFolder()));
    m_form = std::make_unique<Form1>(*m_database, program::ProgramLayout::Portable, m_results->path());
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
    m_results.reset();
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
                                      << "0.1775817"; // 0.17758164... in a Single
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

void tst_UserInput::pastedUnitNameCompletes_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("result"); // of 10 between Liter and the pasted unit
    for (const PasteBy how :
        { PasteBy::CtrlV, PasteBy::ShiftInsert, PasteBy::MiddleButton, PasteBy::ContextMenu }) {
        const char *by = pasteName(how);
        QTest::addRow("To, whole name, %s", by) << "Text4" << int(how) << " gallon (us)\r\n"
                                                << "gallon (us)"
                                                << "Gallon (US)"
                                                << "2.6417";
        QTest::addRow("From, whole name, %s", by) << "Text3" << int(how) << "\tGallon (US)  "
                                                  << "Gallon (US)"
                                                  << "Gallon (US)"
                                                  << "37.8541";
        QTest::addRow("To, start of a name, %s", by) << "Text4" << int(how) << "Gal\n"
                                                     << "Gallon (UK)"
                                                     << "Gallon (UK)"
                                                     << "2.1997";
    }
}

// A pasted name is taken as if typed: the list and the result follow it.
void tst_UserInput::pastedUnitNameCompletes()
{
    QFETCH(QString, boxName);
    QFETCH(int, how);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(QString, unit);
    QFETCH(QString, result);
    retype(form().Text1, QStringLiteral("10"));
    retype(form().Text3, QStringLiteral("Liter"));
    retype(form().Text4, QStringLiteral("Liter"));
    TextBox *find = box(boxName);
    ListBox *under = find == form().Text3 ? form().List1 : form().List2;
    retype(find, QString());
    if (!paste(find, pasted, PasteBy(how)))
        QSKIP("this platform has no selection clipboard for a middle click");
    QCOMPARE(find->text(), shown);
    QCOMPARE(under->text(), unit);
    QCOMPARE(find->selectedText(), unit.mid(pasted.trimmed().size()));
    QCOMPARE(form().Text2->text(), result);
    click(form().SaveCmnd);
    QCOMPARE(lastSavedRow().at(find == form().Text3 ? 0 : 2), unit);
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

void tst_UserInput::metricAnswersAreExact_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("result");
    QTest::newRow("cubic metre to litres") << "Cubic meter"
                                           << "1"
                                           << "Liter"
                                           << "1,000";
    QTest::newRow("kilolitre to litres") << "Kiloliter"
                                         << "1"
                                         << "Liter"
                                         << "1,000";
    QTest::newRow("megalitre to litres") << "Megaliter"
                                         << "1"
                                         << "Liter"
                                         << "1,000,000";
    QTest::newRow("millilitres to litres") << "Milliliter"
                                           << "1000"
                                           << "Liter"
                                           << "1";
    QTest::newRow("decilitre to litres") << "Deciliter"
                                         << "1"
                                         << "Liter"
                                         << "0.1";
    QTest::newRow("centilitre to litres") << "Centiliter"
                                          << "1"
                                          << "Liter"
                                          << "0.01";
}

// With the shipped unit file: the metric units are exact multiples of each other.
void tst_UserInput::metricAnswersAreExact()
{
    QFETCH(QString, from);
    QFETCH(QString, volume);
    QFETCH(QString, to);
    QFETCH(QString, result);
    retype(form().Text3, from);
    retype(form().Text4, to);
    QCOMPARE(form().List1->text(), from);
    QCOMPARE(form().List2->text(), to);
    retype(form().Text1, volume);
    QCOMPARE(form().Text2->text(), result);
}

void tst_UserInput::typedOverSelection_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");
    QTest::newRow("leading point over 1.5") << "1.5"
                                            << ".25"
                                            << "0.25";
    QTest::newRow("full box, point first") << "1234567890.12345"
                                           << ".5"
                                           << "0.5";
    QTest::newRow("full box, digits and point") << "9999999999999999"
                                                << "7.5"
                                                << "7.5";
}

void tst_UserInput::typedOverSelection()
{
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, result);
    TextBox *volume = form().Text1;
    retype(volume, before);
    QCOMPARE(volume->text(), before);
    click(form().Text2);
    click(volume); // selects the whole text
    QCOMPARE(volume->selectedText(), before);
    type(volume, keys);
    QCOMPARE(volume->text(), keys);
    QCOMPARE(form().Text2->text(), result); // both lists hold the same unit
}

void tst_UserInput::pastedVolumeStaysOneLine_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("how");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("result");
    const QString nul = QStringLiteral("1") + QChar(0) + QStringLiteral("2");
    for (const PasteBy how : { PasteBy::ShiftInsert, PasteBy::MiddleButton, PasteBy::ContextMenu }) {
        const char *by = pasteName(how);
        QTest::addRow("line break, %s", by) << "12\r\n"
                                            << int(how) << "12  "
                                            << "12";
        QTest::addRow("NUL, %s", by) << nul << int(how) << "1 2"
                                     << "No conversion";
        QTest::addRow("words on lines, %s", by) << "12\nlitres" << int(how) << "12 litres"
                                                << "No conversion";
        QTest::addRow("exponent, %s", by) << "1e5" << int(how) << "1e5"
                                          << "100,000";
        QTest::addRow("blanks around, %s", by) << " 12 " << int(how) << " 12 "
                                               << "12";
        QTest::addRow("plus sign, %s", by) << "+7" << int(how) << "+7"
                                           << "7";
    }
}

// Whatever a paste brings, the results file keeps one line per saved row.
void tst_UserInput::pastedVolumeStaysOneLine()
{
    QFETCH(QString, pasted);
    QFETCH(int, how);
    QFETCH(QString, kept);
    QFETCH(QString, result);
    TextBox *volume = form().Text1;
    click(form().SaveCmnd); // a first row, so that "Make File" is enabled
    retype(volume, QStringLiteral("5"));
    QTest::keyClick(volume, Qt::Key_Backspace); // "Save" stays enabled
    QCOMPARE(volume->text(), QString());
    if (!paste(volume, pasted, PasteBy(how)))
        QSKIP("this platform has no selection clipboard for a middle click");
    QCOMPARE(volume->text(), kept);
    QCOMPARE(form().Text2->text(), result);

    QVERIFY(form().SaveCmnd->isEnabled());
    click(form().SaveCmnd);
    QVERIFY(form().MakeFileCmnd->isEnabled());
    click(form().MakeFileCmnd);
    QFile written(QDir(m_results->path()).filePath(QStringLiteral("BrimlowCSV.txt")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 4); // heading, two rows, nothing after the last line end
    QVERIFY2(lines.at(2).contains(",\"" + kept.toUtf8() + "\","), lines.at(2).constData());
    for (const QByteArray &line : lines.first(3)) {
        QVERIFY(line.endsWith('\r'));
        QVERIFY2(!line.chopped(1).contains('\r') && !line.contains('\0') && !line.contains('\t'),
            line.constData());
    }
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
