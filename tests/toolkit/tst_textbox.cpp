#include "Formkit/textbox.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using Formkit::TextBox;

class tst_TextBox : public QObject
{
    Q_OBJECT

private slots:
    void setTextRaisesChangeBeforeReturning();
    void sameTextRaisesNoChange();
    void typingRaisesKeyPressThenChange();
    void keyPressCodes_data();
    void keyPressCodes();
    void handlerDiscardsKey();
    void handlerReplacesKey();
    void keysWithoutCharacterRaiseNoKeyPress();
    void keyUpFollowsEveryKey();
    void maxLengthLimitsTypingOnly();
    void maxLengthLimitsPasting();
    void gotFocusLetsHandlerSelectAll();
    void pressThatBringsFocusKeepsSelection_data();
    void pressThatBringsFocusKeepsSelection();
    void selectionAccessors();
};

void tst_TextBox::setTextRaisesChangeBeforeReturning()
{
    TextBox box;
    QStringList seen;
    connect(&box, &TextBox::change, [&] { seen << box.text(); });
    box.setText(QStringLiteral("12"));
    QCOMPARE(seen, QStringList { QStringLiteral("12") }); // nested, before setText returned
    box.setText(QString());
    box.setText(QStringLiteral("12"));
    QCOMPARE(seen, (QStringList { QStringLiteral("12"), QString(), QStringLiteral("12") }));
}

void tst_TextBox::sameTextRaisesNoChange()
{
    TextBox box;
    box.setText(QStringLiteral("abc"));
    QSignalSpy change(&box, &TextBox::change);
    box.setText(QStringLiteral("abc"));
    QCOMPARE(change.count(), 0);
}

void tst_TextBox::typingRaisesKeyPressThenChange()
{
    TextBox box;
    QStringList order;
    connect(&box, &TextBox::keyPress,
        [&](int &code) { order << QStringLiteral("press %1 '%2'").arg(code).arg(box.text()); });
    connect(&box, &TextBox::change, [&] { order << QStringLiteral("change '%1'").arg(box.text()); });
    connect(&box, &TextBox::keyUp, [&](int, int) { order << QStringLiteral("up"); });
    QTest::keyClick(&box, Qt::Key_7);
    QCOMPARE(order,
        (QStringList { QStringLiteral("press 55 ''"), QStringLiteral("change '7'"), QStringLiteral("up") }));
}

void tst_TextBox::keyPressCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expected");
    QTest::newRow("digit") << int(Qt::Key_5) << int(Qt::NoModifier) << 53;
    QTest::newRow("point") << int(Qt::Key_Period) << int(Qt::NoModifier) << 46;
    QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 97;
    QTest::newRow("minus") << int(Qt::Key_Minus) << int(Qt::NoModifier) << 45;
    QTest::newRow("blank") << int(Qt::Key_Space) << int(Qt::NoModifier) << 32;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << 8;
    QTest::newRow("enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 13;
    QTest::newRow("escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << 27;
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << 22;
    QTest::newRow("ctrl+c") << int(Qt::Key_C) << int(Qt::ControlModifier) << 3;
}

void tst_TextBox::keyPressCodes()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, expected);
    TextBox box;
    QList<int> codes;
    connect(&box, &TextBox::keyPress, [&](int &code) { codes << code; });
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(codes, QList<int> { expected });
}

void tst_TextBox::handlerDiscardsKey()
{
    TextBox box;
    box.setText(QStringLiteral("12"));
    box.setCursorPosition(2);
    connect(&box, &TextBox::keyPress, [](int &code) {
        if (code < '0' || code > '9')
            code = 0;
    });
    QSignalSpy change(&box, &TextBox::change);
    QTest::keyClicks(&box, QStringLiteral("a-3 "));
    QCOMPARE(box.text(), QStringLiteral("123"));
    QCOMPARE(change.count(), 1);
    QTest::keyClick(&box, Qt::Key_Backspace); // code 8 is discarded too
    QCOMPARE(box.text(), QStringLiteral("123"));
}

void tst_TextBox::handlerReplacesKey()
{
    TextBox box;
    connect(&box, &TextBox::keyPress, [](int &code) {
        if (code >= 'a' && code <= 'z')
            code -= 32;
    });
    QTest::keyClicks(&box, QStringLiteral("ab"));
    QCOMPARE(box.text(), QStringLiteral("AB"));
}

void tst_TextBox::keysWithoutCharacterRaiseNoKeyPress()
{
    TextBox box;
    box.setText(QStringLiteral("abc"));
    QSignalSpy press(&box, &TextBox::keyPress);
    QSignalSpy up(&box, &TextBox::keyUp);
    for (Qt::Key key : { Qt::Key_Left, Qt::Key_Right, Qt::Key_Delete, Qt::Key_Shift, Qt::Key_Home })
        QTest::keyClick(&box, key);
    QCOMPARE(press.count(), 0);
    QCOMPARE(up.count(), 5);
}

void tst_TextBox::keyUpFollowsEveryKey()
{
    TextBox box;
    QSignalSpy up(&box, &TextBox::keyUp);
    QTest::keyClick(&box, Qt::Key_Delete, Qt::ShiftModifier);
    // The Shift key itself is released too, after Delete.
    QCOMPARE(up.count(), 2);
    QCOMPARE(up.at(0).at(0).toInt(), int(Qt::Key_Delete));
    QCOMPARE(up.at(0).at(1).toInt(), 1);
    QCOMPARE(up.at(1).at(0).toInt(), int(Qt::Key_Shift));
    QList<int> codes;
    connect(&box, &TextBox::keyPress, [&](int &code) { codes << code; });
    QTest::keyClicks(&box, QStringLiteral("A"));
    QCOMPARE(codes, QList<int> { 65 });
}

void tst_TextBox::maxLengthLimitsTypingOnly()
{
    TextBox box;
    box.setMaxLength(3);
    QTest::keyClicks(&box, QStringLiteral("12345"));
    QCOMPARE(box.text(), QStringLiteral("123"));
    box.setText(QStringLiteral("1234567890")); // code is never cut
    QCOMPARE(box.text(), QStringLiteral("1234567890"));
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("98"));
    QCOMPARE(box.text(), QStringLiteral("98")); // typing over a selection frees its room
    box.setMaxLength(0);
    QTest::keyClicks(&box, QStringLiteral("7654"));
    QCOMPARE(box.text(), QStringLiteral("987654"));
}

void tst_TextBox::maxLengthLimitsPasting()
{
    TextBox box;
    box.setMaxLength(4);
    box.setText(QStringLiteral("12"));
    box.setCursorPosition(2);
    QApplication::clipboard()->setText(QStringLiteral("3456"));
    if (QApplication::clipboard()->text() != QStringLiteral("3456"))
        QSKIP("no clipboard on this platform");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box.text(), QStringLiteral("1234"));
}

void tst_TextBox::gotFocusLetsHandlerSelectAll()
{
    QWidget window;
    auto *other = new QLineEdit(&window);
    auto *box = new TextBox(&window);
    box->setText(QStringLiteral("hello"));
    connect(box, &TextBox::gotFocus, [box] {
        box->setSelStart(0);
        box->setSelLength(int(box->text().size()));
    });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    other->setFocus();
    QSignalSpy focus(box, &TextBox::gotFocus);
    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(focus.count(), 1);
    QCOMPARE(box->selectedText(), QStringLiteral("hello"));
}

void tst_TextBox::pressThatBringsFocusKeepsSelection_data()
{
    QTest::addColumn<int>("moveBy");
    QTest::addColumn<bool>("wholeText");
    QTest::newRow("click") << 0 << true;
    QTest::newRow("click with a tremble") << 1 << true;
    QTest::newRow("drag") << 60 << false;
}

void tst_TextBox::pressThatBringsFocusKeepsSelection()
{
    QFETCH(int, moveBy);
    QFETCH(bool, wholeText);
    QWidget window;
    auto *other = new QLineEdit(&window);
    auto *box = new TextBox(&window);
    box->setGeometry(0, 30, 200, 24);
    box->setText(QStringLiteral("hello world"));
    connect(box, &TextBox::gotFocus, [box] { box->selectAll(); });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(other, Qt::LeftButton);
    const QPoint press(20, 12);
    QTest::mousePress(box, Qt::LeftButton, {}, press);
    QTest::mouseMove(box, press + QPoint(moveBy, 0));
    QTest::mouseRelease(box, Qt::LeftButton, {}, press + QPoint(moveBy, 0));
    QVERIFY(box->hasFocus());
    const int from = box->cursorPositionAt(press);
    const int to = box->cursorPositionAt(press + QPoint(moveBy, 0));
    QCOMPARE(box->selectedText(), wholeText ? box->text() : box->text().mid(from, to - from));
    // The box has the focus now: a click places the caret.
    QTest::mouseClick(box, Qt::LeftButton, {}, press);
    QVERIFY(!box->hasSelectedText());
    QCOMPARE(box->cursorPosition(), from);
}

void tst_TextBox::selectionAccessors()
{
    TextBox box;
    box.setText(QStringLiteral("Gallon (US)"));
    box.setSelStart(3);
    box.setSelLength(4);
    QCOMPARE(box.selStart(), 3);
    QCOMPARE(box.selLength(), 4);
    QCOMPARE(box.selectedText(), QStringLiteral("lon "));
    box.setSelLength(0);
    QCOMPARE(box.selLength(), 0);
    QCOMPARE(box.cursorPosition(), 3);
    box.setSelLength(100); // clamped to the text
    QCOMPARE(box.selLength(), 8);
}

QTEST_MAIN(tst_TextBox)
#include "tst_textbox.moc"
