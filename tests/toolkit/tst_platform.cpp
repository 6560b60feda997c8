#include "Formkit/messagebox.h"
#include "Formkit/olecolor.h"
#include "Formkit/timer.h"
#include "Formkit/twips.h"

#include <QSignalSpy>
#include <QTest>

using Formkit::MessageBox;
using Formkit::OleColor;
using Formkit::Timer;
namespace olecolor = Formkit::olecolor;
namespace twips = Formkit::twips;

class tst_Platform : public QObject
{
    Q_OBJECT

private slots:
    void twipsToPixels();
    void oleColours();
    void timerFiresOncePerEnablingWhenHandlerDisables();
    void timerEventComesFromEventLoop();
    void messageBoxHandlerSeesMessage();
};

void tst_Platform::twipsToPixels()
{
    QCOMPARE(twips::toPixels(6105), 407);
    QCOMPARE(twips::toPixels(4485), 299);
    QCOMPARE(twips::rect(4660, 90, 1455, 3615), QRect(311, 6, 97, 241));
    QCOMPARE(twips::fromPixels(407), 6105);
}

void tst_Platform::oleColours()
{
    // &H00FFFF80& is red 128, green 255, blue 255.
    QCOMPARE(olecolor::toQColor(0x00FFFF80), QColor(128, 255, 255));
    QCOMPARE(olecolor::fromRgb(190, 190, 190), OleColor(0x00BEBEBE));
    QCOMPARE(olecolor::fromQColor(QColor(0, 0, 255)), OleColor(0x00FF0000));
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    QCOMPARE(olecolor::toQColor(olecolor::windowText, palette), QColor(1, 2, 3));
    QVERIFY(olecolor::isSystem(olecolor::windowText));
}

void tst_Platform::timerFiresOncePerEnablingWhenHandlerDisables()
{
    Timer timer;
    timer.setInterval(5);
    int fired = 0;
    connect(&timer, &Timer::timer, [&] {
        ++fired;
        timer.setEnabled(false);
    });
    timer.setEnabled(true);
    QTRY_COMPARE(fired, 1);
    QTest::qWait(30);
    QCOMPARE(fired, 1);
    timer.setEnabled(true);
    QTRY_COMPARE(fired, 2);
}

void tst_Platform::timerEventComesFromEventLoop()
{
    Timer timer;
    timer.setInterval(0);
    QSignalSpy spy(&timer, &Timer::timer);
    timer.setEnabled(true);
    QCOMPARE(spy.count(), 0); // never inside the statement that enabled it
    QTRY_VERIFY(spy.count() >= 1);
}

void tst_Platform::messageBoxHandlerSeesMessage()
{
    QString text, title;
    MessageBox::Icon icon = MessageBox::Icon::Critical;
    MessageBox::setHandler([&](const QString &t, const QString &ti, MessageBox::Icon i) {
        text = t;
        title = ti;
        icon = i;
    });
    MessageBox::show(
        nullptr, QStringLiteral("Please enter a valid number for volume."), QStringLiteral("Data Entry"));
    QCOMPARE(text, QStringLiteral("Please enter a valid number for volume."));
    QCOMPARE(title, QStringLiteral("Data Entry"));
    QCOMPARE(icon, MessageBox::Icon::Information);
    MessageBox::setHandler({});
}

QTEST_MAIN(tst_Platform)
#include "tst_platform.moc"
