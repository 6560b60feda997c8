#include "Formkit/listbox.h"

#include <QSignalSpy>
#include <QTest>

using Formkit::ListBox;

class tst_ListBox : public QObject
{
    Q_OBJECT

private slots:
    void settingIndexRaisesClickAtOnce();
    void settingSameIndexRaisesClickAgain();
    void clearAndAddRaiseNothing();
    void clickAfterClear();
    void entriesAndSelectedText();
    void arrowKeysMoveSelectionAndClick();
    void mouseDownSeesTheEntryThePressSelected();
    void userMovedSelectionOnlyForKeysAndDrags();
};

namespace {
void fill(ListBox &list, const QStringList &entries)
{
    for (const QString &entry : entries)
        list.addItem(entry);
}
} // namespace

void tst_ListBox::settingIndexRaisesClickAtOnce()
{
    ListBox list;
    fill(list, { QStringLiteral("Cup"), QStringLiteral("Liter"), QStringLiteral("Pint") });
    QStringList seen;
    connect(&list, &ListBox::click, [&] { seen << list.text(); });
    list.setListIndex(2);
    QCOMPARE(seen, QStringList { QStringLiteral("Pint") });
    QCOMPARE(list.listIndex(), 2);
}

void tst_ListBox::settingSameIndexRaisesClickAgain()
{
    ListBox list;
    fill(list, { QStringLiteral("Cup"), QStringLiteral("Liter") });
    list.setListIndex(1);
    QSignalSpy click(&list, &ListBox::click);
    list.setListIndex(1);
    QCOMPARE(click.count(), 1);
}

void tst_ListBox::clearAndAddRaiseNothing()
{
    ListBox list;
    fill(list, { QStringLiteral("Cup"), QStringLiteral("Liter") });
    list.setListIndex(1);
    QSignalSpy click(&list, &ListBox::click);
    list.clear();
    fill(list, { QStringLiteral("Gill") });
    QCOMPARE(click.count(), 0);
    QCOMPARE(list.listCount(), 1);
    QCOMPARE(list.listIndex(), -1);
    QCOMPARE(list.text(), QString());
}

void tst_ListBox::clickAfterClear()
{
    ListBox list;
    fill(list, { QStringLiteral("Cup") });
    list.setListIndex(0);
    list.clear();
    fill(list, { QStringLiteral("Cup") });
    QSignalSpy click(&list, &ListBox::click);
    list.setListIndex(0); // the same index as before the clear, still a Click
    QCOMPARE(click.count(), 1);
    QCOMPARE(list.text(), QStringLiteral("Cup"));
}

void tst_ListBox::entriesAndSelectedText()
{
    ListBox list;
    fill(list, { QStringLiteral("Barrel (US)"), QStringLiteral("Gill (UK)") });
    QCOMPARE(list.list(0), QStringLiteral("Barrel (US)"));
    QCOMPARE(list.list(1), QStringLiteral("Gill (UK)"));
    QCOMPARE(list.list(2), QString());
    list.setListIndex(-1);
    QCOMPARE(list.text(), QString());
    QCOMPARE(list.selectedItems().size(), 0);
}

void tst_ListBox::arrowKeysMoveSelectionAndClick()
{
    ListBox list;
    fill(list, { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setListIndex(0);
    QStringList seen;
    connect(&list, &ListBox::click, [&] { seen << list.text(); });
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(seen, (QStringList { QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("B") }));
}

void tst_ListBox::mouseDownSeesTheEntryThePressSelected()
{
    ListBox list;
    fill(list, { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
    list.resize(120, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.setListIndex(0);
    QStringList atPress;
    QList<int> buttons;
    connect(&list, &ListBox::mouseDown, [&](int button, int, float, float) {
        atPress << list.text();
        buttons << button;
    });
    const QRect third = list.visualItemRect(list.item(2));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, third.center());
    QCOMPARE(atPress, QStringList { QStringLiteral("C") });
    QCOMPARE(buttons, QList<int> { 1 });
}

void tst_ListBox::userMovedSelectionOnlyForKeysAndDrags()
{
    ListBox list;
    fill(list,
        { QStringLiteral("Cup"), QStringLiteral("Gill"), QStringLiteral("Liter"), QStringLiteral("Pint") });
    list.resize(120, 100);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QStringList seen;
    connect(&list, &ListBox::click, [&] { seen << QStringLiteral("click ") + list.text(); });
    connect(&list, &ListBox::userMovedSelection, [&] { seen << QStringLiteral("moved ") + list.text(); });
    list.setListIndex(0);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_P);
    auto centre = [&](int row) { return list.visualItemRect(list.item(row)).center(); };
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, centre(0));
    QTest::mouseMove(list.viewport(), centre(2));
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, centre(2));
    QCOMPARE(seen,
        (QStringList { QStringLiteral("click Cup"), QStringLiteral("click Gill"),
            QStringLiteral("moved Gill"), QStringLiteral("click Pint"), QStringLiteral("moved Pint"),
            QStringLiteral("click Cup"), QStringLiteral("click Liter"), QStringLiteral("moved Liter") }));
}

QTEST_MAIN(tst_ListBox)
#include "tst_listbox.moc"
