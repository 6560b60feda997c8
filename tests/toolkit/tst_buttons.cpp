#include "Formkit/commandbutton.h"
#include "Formkit/optionbutton.h"

#include <QSignalSpy>
#include <QTest>

using Formkit::CommandButton;
using Formkit::OptionButton;

class tst_Buttons : public QObject
{
    Q_OBJECT

private slots:
    void selectingOptionRaisesClickAtOnce();
    void selectingSelectedOptionRaisesClickAgain();
    void oneOptionPerContainer();
    void userClickOnOption();
    void optionGroupCanBeLeftEmpty();
    void disabledCommandButtonRaisesNothing();
    void enabledCommandButtonClicks();
};

void tst_Buttons::selectingOptionRaisesClickAtOnce()
{
    QWidget frame;
    auto *a = new OptionButton(QStringLiteral("A"), &frame);
    bool selectedDuringClick = false;
    connect(a, &QAbstractButton::clicked, [&] { selectedDuringClick = a->value(); });
    QSignalSpy click(a, &QAbstractButton::clicked);
    a->setValue(true);
    QCOMPARE(click.count(), 1);
    QVERIFY(selectedDuringClick);
}

void tst_Buttons::selectingSelectedOptionRaisesClickAgain()
{
    QWidget frame;
    auto *a = new OptionButton(QStringLiteral("A"), &frame);
    a->setValue(true);
    QSignalSpy click(a, &QAbstractButton::clicked);
    a->setValue(true);
    QCOMPARE(click.count(), 1);
}

void tst_Buttons::oneOptionPerContainer()
{
    QWidget window;
    auto *frame1 = new QWidget(&window);
    auto *frame2 = new QWidget(&window);
    auto *a = new OptionButton(QStringLiteral("A"), frame1);
    auto *b = new OptionButton(QStringLiteral("B"), frame1);
    auto *c = new OptionButton(QStringLiteral("C"), frame2);
    a->setValue(true);
    c->setValue(true);
    b->setValue(true);
    QVERIFY(!a->value());
    QVERIFY(b->value());
    QVERIFY(c->value()); // another container, another group
}

void tst_Buttons::userClickOnOption()
{
    QWidget frame;
    auto *a = new OptionButton(QStringLiteral("A"), &frame);
    auto *b = new OptionButton(QStringLiteral("B"), &frame);
    b->move(0, 30);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    a->setValue(true);
    QSignalSpy click(b, &QAbstractButton::clicked);
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(click.count(), 1);
    QVERIFY(b->value());
    QVERIFY(!a->value());
}

void tst_Buttons::optionGroupCanBeLeftEmpty()
{
    QWidget frame;
    auto *a = new OptionButton(QStringLiteral("A"), &frame);
    auto *b = new OptionButton(QStringLiteral("B"), &frame);
    a->setValue(true);
    QSignalSpy click(a, &QAbstractButton::clicked);
    a->setValue(false);
    QVERIFY(!a->value());
    QVERIFY(!b->value());
    QCOMPARE(click.count(), 0);
    b->setValue(true); // the group is exclusive again afterwards
    a->setValue(true);
    QVERIFY(!b->value());
}

void tst_Buttons::disabledCommandButtonRaisesNothing()
{
    CommandButton button(QStringLiteral("Save"));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    button.setEnabled(false);
    QSignalSpy click(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    button.click();
    QCOMPARE(click.count(), 0);
}

void tst_Buttons::enabledCommandButtonClicks()
{
    CommandButton button(QStringLiteral("Save"));
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy click(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(click.count(), 2);
}

QTEST_MAIN(tst_Buttons)
#include "tst_buttons.moc"
