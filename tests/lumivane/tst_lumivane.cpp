#include "Formkit/memorypropertybag.h"
#include "Lumivane/lumivane.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWindow>

using Formkit::Dispatchable;
using Formkit::DispatchKind;
using Formkit::DispatchResult;
using Formkit::MemoryPropertyBag;
using Formkit::PropertyBag;

namespace {

// A window that records what reaches it past the control.
class Container final : public QWidget
{
public:
    QString keys;
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys += event->text(); }
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

DispatchResult call(Lumivane &control, const char *name, DispatchKind kind, QVariantList arguments = {})
{
    return control.invoke(control.dispatchIdOfName(QString::fromLatin1(name)), kind, arguments);
}

QVariant get(Lumivane &control, const char *name)
{
    return call(control, name, DispatchKind::Get).value;
}

QWidget *picture1(Lumivane &control)
{
    return control.findChild<QWidget *>(QStringLiteral("Picture1"));
}

QImage filledImage(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class tst_Lumivane final : public QObject
{
    Q_OBJECT

private slots:
    void formTransparentColorIsTakenAsStored();
    void toolTipTextShowsOverThePicture();
    void outlineInDesignModeOnly_data();
    void outlineInDesignModeOnly();
    void startsAsAStoredControlWithEmptySettings();
    void letReadsBackAndNotifies_data();
    void letReadsBackAndNotifies();
    void setOfObjectsNotifies_data();
    void setOfObjectsNotifies();
    void rejectedLetsRaiseAndDoNotNotify_data();
    void rejectedLetsRaiseAndDoNotNotify();
    void typedSettersReportErrors();
    void membersByNameThroughTheMetaObject();
    void readOnlyAndUnknownMembers();
    void systemColourStaysStored();
    void keyPressHandlerReachesTheSource_data();
    void keyPressHandlerReachesTheSource();
    void mouseEventsCarryTheControlScale();
    void pictureChangeRaisesChange();
    void publishingTable_data();
    void publishingTable();
    void canvasReadTwiceGivesOnePublish();
    void canvasWithoutAutoRedrawPublishesNothing();
    void paintPictureWaitsForRefreshWithoutAutoRedraw();
    void paintPictureByDispatchIdentifier();
    void paintPictureErrorsPassThroughWithoutPublishing_data();
    void paintPictureErrorsPassThroughWithoutPublishing();
    void replaceColorOnTheSurface_data();
    void replaceColorOnTheSurface();
    void replaceColorLeavesTextBackgroundWhite();
    void drawModeCombinesWithTheSurface();
    void resizeMovesPicture1AndCopiesTheScale();
    void hiddenControlFollowsItsSizeAtOnce();
    void userScaleIsCopiedWithModeLast();
    void scaleModeLetCopiesUnitsForTextAndPoint();
    void scaleMethodSetsBothSurfaces();
    void scaleConversions();
    void seeThroughPixelsPassClicksToTheContainer();
    void toolboxPictureShipsInside();
    void dropTargetRaisesTheOleEvents_data();
    void dropTargetRaisesTheOleEvents();
    void emptyBagReadsAsTheDefaults();
    void freshControlWritesNothing();
    void lowerCaseNamesSetOnlyThemselves();
    void readSetsTheMaskColourAndPublishesWhateverAutoRedraw();
    void hostHandlersRunFirstWithTheSameBag();
    void readErrorStopsAtItsRow();
    void writeStoresChangedValuesInOrder();
    void enabledIsTheControlsOwnFlag();
    void rightToLeftIsTheControlsOwnSetting();
    void doubleClickRaisesOneClick();
    void hwndIsTheNearestNativeWindow();
};

void tst_Lumivane::startsAsAStoredControlWithEmptySettings()
{
    Lumivane control;
    QCOMPARE(control.transparentColor(), 0x8000000Fu);
    QCOMPARE(control.maskColor(), 0x8000000Fu);
    QCOMPARE(control.foreColor(), 0x80000012u);
    QCOMPARE(control.backStyle(), Lumivane::LVNBackStyle::Transparent);
    QCOMPARE(control.fillStyle(), Lumivane::LVNFillStyle::Transparent);
    QCOMPARE(control.drawMode(), Lumivane::LVNDrawMode::CopyPen);
    QCOMPARE(control.linkTimeout(), 50);
    QCOMPARE(control.scaleMode(), Lumivane::LVNScaleMode::Twip);
    QCOMPARE(control.scaleWidth(), 8145.0f);
    QCOMPARE(control.scaleHeight(), 9060.0f);
    QVERIFY(control.autoRedraw());
    QVERIFY(!control.isMoveable());
    QCOMPARE(control.moveStyle(), Lumivane::LVNMoveStyle::Contents);

    QWidget *inner = picture1(control);
    QVERIFY(inner);
    QVERIFY(inner->isHidden());
    QCOMPARE(inner->geometry(), control.contentsRect());
    QObject *timer = control.findChild<QObject *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->property("interval").toInt(), 1);
    QVERIFY(!timer->property("enabled").toBool());
    QVERIFY(control.visiblePicture().isNull()); // nothing published yet
}

void tst_Lumivane::letReadsBackAndNotifies_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");

    const auto row = [](const char *name, const QVariant &value) {
        QTest::newRow(name) << QString::fromLatin1(name) << value;
    };
    row("Appearance", 0);
    row("TransparentColor", quint32(0x00BEBEBE));
    row("BackStyle", 1);
    row("BorderStyle", 1);
    row("ClipControls", false);
    row("DrawMode", 7);
    row("DrawStyle", 2);
    row("DrawWidth", 3);
    row("Enabled", false);
    row("FillColor", quint32(0x00123456));
    row("FillStyle", 0);
    row("FontTransparent", false);
    row("ForeColor", quint32(0x80000008));
    row("MousePointer", 2);
    row("ScaleHeight", 500.0f);
    row("ScaleLeft", 10.0f);
    row("ScaleMode", 3);
    row("ScaleTop", 20.0f);
    row("ScaleWidth", 700.0f);
    row("ToolTipText", QStringLiteral("a tip"));
    row("RightToLeft", true);
    row("WhatsThisHelpID", 77);
    row("OLEDragMode", 1);
    row("LinkTimeout", 70);
    row("LinkTopic", QStringLiteral("Server|Topic"));
    row("LinkItem", QStringLiteral("R1C1"));
    row("LinkMode", 2);
    row("CurrentX", 5.0f);
    row("CurrentY", 6.0f);
    row("OLEDropMode", 1);
    row("AutoRedraw", false);
    row("Moveable", true);
    row("MoveStyle", 2);
}

void tst_Lumivane::letReadsBackAndNotifies()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);

    Lumivane control;
    QSignalSpy changed(&control, &Lumivane::propertyChanged);
    QSignalSpy errors(&control, &Lumivane::errorRaised);
    const QByteArray latin = name.toLatin1();

    const DispatchResult let = call(control, latin.constData(), DispatchKind::Let, { value });
    QVERIFY2(let.ok(), qPrintable(let.error.description));
    QCOMPARE(errors.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), name);

    const QVariant back = get(control, latin.constData());
    if (value.typeId() == QMetaType::Float)
        QCOMPARE(back.toFloat(), value.toFloat());
    else if (value.typeId() == QMetaType::QString)
        QCOMPARE(back.toString(), value.toString());
    else
        QCOMPARE(back.toLongLong(), value.toLongLong());
}

void tst_Lumivane::setOfObjectsNotifies_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QFont font(QStringLiteral("Sans"), 14);
    QTest::newRow("Font") << QStringLiteral("Font") << QVariant(font);
    QTest::newRow("Picture") << QStringLiteral("Picture")
                             << QVariant(QPixmap::fromImage(filledImage(QSize(4, 3), Qt::red)));
    QTest::newRow("MouseIcon") << QStringLiteral("MouseIcon")
                               << QVariant(QPixmap::fromImage(filledImage(QSize(16, 16), Qt::blue)));
}

void tst_Lumivane::setOfObjectsNotifies()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    Lumivane control;
    QSignalSpy changed(&control, &Lumivane::propertyChanged);
    const QByteArray latin = name.toLatin1();
    QVERIFY(call(control, latin.constData(), DispatchKind::Set, { value }).ok());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), name);
    const QVariant back = get(control, latin.constData());
    if (value.typeId() == QMetaType::QFont)
        QCOMPARE(back.value<QFont>().pointSize(), 14);
    else
        QCOMPARE(back.value<QPixmap>().size(), value.value<QPixmap>().size());
}

void tst_Lumivane::rejectedLetsRaiseAndDoNotNotify_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("errorNumber");

    QTest::newRow("DrawMode 40000 overflows") << QStringLiteral("DrawMode") << QVariant(40000) << 6;
    QTest::newRow("Appearance -40000 overflows") << QStringLiteral("Appearance") << QVariant(-40000) << 6;
    QTest::newRow("DrawMode 0 refused by Picture1") << QStringLiteral("DrawMode") << QVariant(0) << 380;
    QTest::newRow("DrawStyle 7 refused by Picture1") << QStringLiteral("DrawStyle") << QVariant(7) << 380;
    QTest::newRow("FillStyle 8 refused by Picture1") << QStringLiteral("FillStyle") << QVariant(8) << 380;
    QTest::newRow("LinkMode 4 refused by Picture1") << QStringLiteral("LinkMode") << QVariant(4) << 380;
    QTest::newRow("DrawWidth 0 refused") << QStringLiteral("DrawWidth") << QVariant(0) << 380;
    QTest::newRow("DrawWidth 70000 overflows") << QStringLiteral("DrawWidth") << QVariant(70000) << 6;
    QTest::newRow("ScaleMode 8 refused") << QStringLiteral("ScaleMode") << QVariant(8) << 380;
    QTest::newRow("MousePointer 16 refused") << QStringLiteral("MousePointer") << QVariant(16) << 380;
    QTest::newRow("ScaleWidth 0 refused") << QStringLiteral("ScaleWidth") << QVariant(0) << 380;
    QTest::newRow("ForeColor from words")
        << QStringLiteral("ForeColor") << QVariant(QStringLiteral("red")) << 13;
    QTest::newRow("Font from a number") << QStringLiteral("Font") << QVariant(12) << 13;
}

void tst_Lumivane::rejectedLetsRaiseAndDoNotNotify()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    QFETCH(int, errorNumber);

    Lumivane control;
    const QByteArray latin = name.toLatin1();
    const QVariant before = get(control, latin.constData());
    QSignalSpy changed(&control, &Lumivane::propertyChanged);
    QSignalSpy errors(&control, &Lumivane::errorRaised);

    const DispatchResult let = call(control, latin.constData(), DispatchKind::Let, { value });
    QCOMPARE(let.error.number, errorNumber);
    QVERIFY(!let.error.description.isEmpty());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().toInt(), errorNumber);
    QCOMPARE(control.lastError().number, errorNumber);
    QCOMPARE(get(control, latin.constData()), before);
}

void tst_Lumivane::typedSettersReportErrors()
{
    Lumivane control;
    QSignalSpy changed(&control, &Lumivane::propertyChanged);
    control.setDrawMode(Lumivane::LVNDrawMode(40000));
    QCOMPARE(control.lastError().number, 6);
    QCOMPARE(control.drawMode(), Lumivane::LVNDrawMode::CopyPen);
    QCOMPARE(changed.count(), 0);

    // The next member call starts without an error.
    control.setDrawMode(Lumivane::LVNDrawMode::XorPen);
    QCOMPARE(control.lastError().number, 0);
    QCOMPARE(changed.count(), 1);

    // MoveStyle is kept as given, whatever its size.
    control.setMoveStyle(Lumivane::LVNMoveStyle(40000));
    QCOMPARE(control.lastError().number, 0);
    QCOMPARE(int(control.moveStyle()), 40000);
}

void tst_Lumivane::membersByNameThroughTheMetaObject()
{
    Lumivane control;
    QSignalSpy changed(&control, &Lumivane::propertyChanged);
    QVERIFY(control.setProperty("DrawMode", 7));
    QCOMPARE(control.property("DrawMode").toInt(), 7);
    QVERIFY(control.setProperty("ScaleMode", QStringLiteral("Pixel")));
    QCOMPARE(control.scaleMode(), Lumivane::LVNScaleMode::Pixel);
    QCOMPARE(changed.count(), 2);

    float width = 0;
    QVERIFY(QMetaObject::invokeMethod(
        &control, "TextWidth", Q_RETURN_ARG(float, width), Q_ARG(QString, QStringLiteral("Brimlow"))));
    QVERIFY(width > 0);
    QVERIFY(QMetaObject::invokeMethod(&control, "Scale_"));
    QCOMPARE(control.scaleMode(), Lumivane::LVNScaleMode::Twip);
    QVERIFY(control.property("hwnd").isValid());
    QVERIFY(control.property("hDC").toInt() != 0);
}

void tst_Lumivane::readOnlyAndUnknownMembers()
{
    Lumivane control;
    QCOMPARE(call(control, "hwnd", DispatchKind::Let, { 1 }).error.number, 383);
    QCOMPARE(call(control, "Image", DispatchKind::Set, { QPixmap() }).error.number, 383);
    QVariantList none;
    QCOMPARE(control.invoke(0x12345, DispatchKind::Get, none).error.number, 438);
    QCOMPARE(call(control, "Point", DispatchKind::Call, { 1.0f }).error.number, 449);
    QCOMPARE(call(control, "Cls", DispatchKind::Call, { 1 }).error.number, 450);
}

void tst_Lumivane::systemColourStaysStored()
{
    Lumivane control;
    control.setTransparentColor(0x00FF0000);
    control.setTransparentColor(0x8000000F);
    QCOMPARE(control.transparentColor(), 0x8000000Fu);
    QCOMPARE(control.backColor(), 0x8000000Fu);
    // The composed image shows the resolved colour.
    const QRgb buttonFace = control.palette().color(QPalette::Button).rgb();
    QCOMPARE(control.image().toImage().pixel(0, 0), buttonFace);
}

void tst_Lumivane::keyPressHandlerReachesTheSource_data()
{
    QTest::addColumn<int>("replacement");
    QTest::addColumn<QString>("received");
    QTest::newRow("unchanged key goes on") << -1 << QStringLiteral("a");
    QTest::newRow("KeyAscii 0 discards the key") << 0 << QString();
    QTest::newRow("another character goes on instead") << int('b') << QStringLiteral("b");
}

void tst_Lumivane::keyPressHandlerReachesTheSource()
{
    QFETCH(int, replacement);
    QFETCH(QString, received);

    Container container;
    auto *control = new Lumivane(&container);
    int seen = 0;
    connect(control, &Lumivane::KeyPress, this, [&](int &keyAscii) {
        seen = keyAscii;
        if (replacement >= 0)
            keyAscii = replacement;
    });
    int keyDownCode = 0;
    connect(control, &Lumivane::KeyDown, this, [&](int &keyCode, int &) { keyDownCode = keyCode; });
    QTest::keyClick(control, Qt::Key_A);
    QCOMPARE(keyDownCode, int('A'));
    QCOMPARE(seen, int('a'));
    QCOMPARE(container.keys, received);
}

void tst_Lumivane::mouseEventsCarryTheControlScale()
{
    Lumivane control;
    control.resize(100, 80);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    float downX = -1;
    float downY = -1;
    int downButton = 0;
    int clicks = 0;
    connect(&control, &Lumivane::MouseDown, this, [&](int &button, int &, float &x, float &y) {
        downButton = button;
        downX = x;
        downY = y;
    });
    connect(&control, &Lumivane::Click, this, [&] { ++clicks; });
    // An opaque surface takes the click anywhere.
    control.setBackStyle(Lumivane::LVNBackStyle::Opaque);
    QTest::mouseClick(&control, Qt::RightButton, {}, QPoint(10, 4));
    QCOMPARE(downButton, 2);
    QCOMPARE(downX, 150.0f); // twips
    QCOMPARE(downY, 60.0f);
    QCOMPARE(clicks, 1);
}

void tst_Lumivane::pictureChangeRaisesChange()
{
    Lumivane control;
    QSignalSpy change(&control, &Lumivane::Change);
    control.setPicture(QPixmap::fromImage(filledImage(QSize(5, 5), Qt::green)));
    QCOMPARE(change.count(), 1);
}

void tst_Lumivane::publishingTable_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<bool>("autoRedraw");
    QTest::addColumn<int>("publishes");

    const auto both = [](const char *operation, int withAutoRedraw, int without) {
        QTest::newRow(qPrintable(QStringLiteral("%1, AutoRedraw on").arg(QLatin1String(operation))))
            << QString::fromLatin1(operation) << true << withAutoRedraw;
        QTest::newRow(qPrintable(QStringLiteral("%1, AutoRedraw off").arg(QLatin1String(operation))))
            << QString::fromLatin1(operation) << false << without;
    };
    both("TransparentColor", 1, 1);
    both("Picture", 1, 1);
    both("Cls", 1, 0);
    both("PaintPicture", 1, 0);
    both("ReplaceColor", 1, 0);
    both("Refresh", 0, 1);
    both("Canvas", 0, 0);
    both("AutoRedraw", 0, 0);
    both("ForeColor", 0, 0);
    both("DrawMode", 0, 0);
    both("BorderStyle", 1, 0); // the inner surface shrinks by the border
}

void tst_Lumivane::publishingTable()
{
    QFETCH(QString, operation);
    QFETCH(bool, autoRedraw);
    QFETCH(int, publishes);

    Lumivane control;
    control.resize(60, 40);
    control.setAutoRedraw(autoRedraw);
    QSignalSpy published(&control, &Lumivane::imagePublished);
    const QPixmap picture = QPixmap::fromImage(filledImage(QSize(8, 8), Qt::red));

    if (operation == QLatin1String("TransparentColor"))
        control.setTransparentColor(0x00BEBEBE);
    else if (operation == QLatin1String("Picture"))
        control.setPicture(picture);
    else if (operation == QLatin1String("Cls"))
        control.Cls();
    else if (operation == QLatin1String("PaintPicture"))
        control.PaintPicture(picture, 0, 0);
    else if (operation == QLatin1String("ReplaceColor"))
        control.ReplaceColor(0, 0x00FFFFFF);
    else if (operation == QLatin1String("Refresh"))
        control.Refresh();
    else if (operation == QLatin1String("Canvas"))
        QVERIFY(control.canvas());
    else if (operation == QLatin1String("AutoRedraw"))
        control.setAutoRedraw(!autoRedraw);
    else if (operation == QLatin1String("ForeColor"))
        control.setForeColor(0x000000FF);
    else if (operation == QLatin1String("DrawMode"))
        control.setDrawMode(Lumivane::LVNDrawMode::XorPen);
    else if (operation == QLatin1String("BorderStyle"))
        control.setBorderStyle(Lumivane::LVNBorderStyle::FixedSingle);
    QCOMPARE(control.lastError().number, 0);
    QCOMPARE(published.count(), publishes);
}

void tst_Lumivane::canvasReadTwiceGivesOnePublish()
{
    Lumivane control;
    control.resize(40, 30);
    control.setScaleMode(Lumivane::LVNScaleMode::Pixel);
    QSignalSpy published(&control, &Lumivane::imagePublished);

    QObject *canvas = control.canvas();
    QVERIFY(QMetaObject::invokeMethod(
        canvas, "line", Q_ARG(float, 0), Q_ARG(float, 5), Q_ARG(float, 20), Q_ARG(float, 5)));
    QVERIFY(QMetaObject::invokeMethod(
        control.canvas(), "line", Q_ARG(float, 0), Q_ARG(float, 9), Q_ARG(float, 20), Q_ARG(float, 9)));
    QCOMPARE(published.count(), 0); // nothing until the message loop runs

    QVERIFY(published.wait());
    QTest::qWait(20);
    QCOMPARE(published.count(), 1);
    QVERIFY(!control.findChild<QObject *>(QStringLiteral("Timer1"))->property("enabled").toBool());
    // Both lines are in what was published.
    const QImage shown = control.visiblePicture().toImage();
    const QRgb ink = control.image().toImage().pixel(3, 5);
    QCOMPARE(shown.pixel(3, 5), ink);
    QCOMPARE(shown.pixel(3, 9), ink);
    QVERIFY(shown.pixel(3, 7) != ink);
}

void tst_Lumivane::canvasWithoutAutoRedrawPublishesNothing()
{
    Lumivane control;
    control.setAutoRedraw(false);
    QSignalSpy published(&control, &Lumivane::imagePublished);
    QVERIFY(control.canvas());
    QTest::qWait(20);
    QCOMPARE(published.count(), 0);
    QVERIFY(!control.findChild<QObject *>(QStringLiteral("Timer1"))->property("enabled").toBool());
}

void tst_Lumivane::paintPictureWaitsForRefreshWithoutAutoRedraw()
{
    Lumivane control;
    control.resize(30, 30);
    control.setTransparentColor(0x00FFFFFF); // publishes a white surface
    control.setAutoRedraw(false);
    const QImage before = control.visiblePicture().toImage();
    control.PaintPicture(QPixmap::fromImage(filledImage(QSize(10, 10), Qt::blue)), 0, 0);
    QCOMPARE(control.visiblePicture().toImage(), before);
    QCOMPARE(control.image().toImage().pixel(2, 2), qRgb(0, 0, 255));
    control.Refresh();
    QCOMPARE(control.visiblePicture().toImage().pixel(2, 2), qRgb(0, 0, 255));
}

void tst_Lumivane::paintPictureByDispatchIdentifier()
{
    Lumivane control;
    control.resize(92, 49);
    QImage logo = filledImage(QSize(92, 49), QColor(190, 190, 190));
    logo.setPixel(10, 10, qRgb(0, 0, 128));

    Dispatchable *dispatch = qobject_cast<Dispatchable *>(&control);
    QVERIFY(dispatch);
    QVariantList arguments { QPixmap::fromImage(logo), 0.0f, 0.0f };
    const DispatchResult result = dispatch->invoke(0x60030043, DispatchKind::Call, arguments);
    QVERIFY(result.ok());
    QCOMPARE(control.visiblePicture().toImage().pixel(10, 10), qRgb(0, 0, 128));
    QCOMPARE(control.visiblePicture().toImage().pixel(50, 30), qRgb(190, 190, 190));

    // Missing optional arguments stay missing: a full list with gaps draws the same.
    control.Cls();
    QVariantList gaps { QPixmap::fromImage(logo), 0.0f, 0.0f, QVariant(), QVariant(), QVariant(), QVariant(),
        QVariant(), QVariant(), QVariant() };
    QVERIFY(dispatch->invoke(0x60030043, DispatchKind::Call, gaps).ok());
    QCOMPARE(control.image().toImage().pixel(10, 10), qRgb(0, 0, 128));
}

void tst_Lumivane::paintPictureErrorsPassThroughWithoutPublishing_data()
{
    QTest::addColumn<QVariantList>("arguments");
    QTest::addColumn<int>("errorNumber");
    const QVariant picture = QPixmap::fromImage(filledImage(QSize(4, 4), Qt::red));
    QTest::newRow("no picture") << QVariantList { QPixmap(), 0, 0 } << 481;
    QTest::newRow("not a picture") << QVariantList { QStringLiteral("logo.gif"), 0, 0 } << 13;
    QTest::newRow("unknown raster operation") << QVariantList { picture, 0, 0, QVariant(), QVariant(),
        QVariant(), QVariant(), QVariant(), QVariant(), 0x123456 }
                                              << 5;
    QTest::newRow("position missing") << QVariantList { picture, 0 } << 449;
}

void tst_Lumivane::paintPictureErrorsPassThroughWithoutPublishing()
{
    QFETCH(QVariantList, arguments);
    QFETCH(int, errorNumber);
    Lumivane control;
    QSignalSpy published(&control, &Lumivane::imagePublished);
    const DispatchResult result = control.invoke(0x60030043, DispatchKind::Call, arguments);
    QCOMPARE(result.error.number, errorNumber);
    QCOMPARE(published.count(), 0);
}

void tst_Lumivane::replaceColorOnTheSurface_data()
{
    QTest::addColumn<quint32>("foreColor");
    QTest::addColumn<quint32>("fromColor");
    QTest::addColumn<quint32>("toColor");
    QTest::addColumn<QRgb>("replaced");

    QTest::newRow("black foreground") << 0u << 0x00BEBEBEu << 0x000000FFu << qRgb(255, 0, 0);
    QTest::newRow("same colours, black foreground")
        << 0u << 0x00BEBEBEu << 0x00BEBEBEu << qRgb(190, 190, 190);
    QTest::newRow("green foreground keeps from AND green")
        << 0x0000FF00u << 0x00BEBEBEu << 0x000000FFu << qRgb(0xFF, 0xBE, 0x00);
}

void tst_Lumivane::replaceColorOnTheSurface()
{
    QFETCH(quint32, foreColor);
    QFETCH(quint32, fromColor);
    QFETCH(quint32, toColor);
    QFETCH(QRgb, replaced);

    Lumivane control;
    control.resize(20, 10);
    control.setTransparentColor(0x00FFFFFF);
    QImage picture = filledImage(QSize(6, 6), QColor(190, 190, 190));
    picture.setPixel(1, 1, qRgb(1, 2, 3));
    control.setPicture(QPixmap::fromImage(picture));
    control.setForeColor(foreColor);

    control.ReplaceColor(qint32(fromColor), qint32(toColor));
    QCOMPARE(control.lastError().number, 0);
    const QImage image = control.image().toImage();
    QCOMPARE(image.pixel(0, 0), replaced);
    QCOMPARE(image.pixel(1, 1), qRgb(1, 2, 3));
    QCOMPARE(image.pixel(15, 5), qRgb(255, 255, 255));
    QCOMPARE(control.visiblePicture().toImage().pixel(0, 0), replaced);
}

void tst_Lumivane::replaceColorLeavesTextBackgroundWhite()
{
    Lumivane control;
    control.resize(120, 40);
    control.setScaleMode(Lumivane::LVNScaleMode::Pixel);
    control.setTransparentColor(0x000000FF); // red surface
    control.setFontTransparent(false);
    control.setForeColor(0);

    QObject *canvas = control.canvas();
    QVERIFY(QMetaObject::invokeMethod(canvas, "print", Q_ARG(QString, QStringLiteral("  "))));
    QCOMPARE(control.image().toImage().pixel(2, 2), qRgb(255, 0, 0)); // back colour behind text

    control.ReplaceColor(0x00123456, 0x00654321); // no such pixel: only the context changes
    QVERIFY(QMetaObject::invokeMethod(canvas, "print", Q_ARG(QString, QStringLiteral("  "))));
    const int secondLine = QFontMetrics(control.drawingFont()).height() + 2;
    QCOMPARE(control.image().toImage().pixel(2, secondLine), qRgb(255, 255, 255));
}

void tst_Lumivane::drawModeCombinesWithTheSurface()
{
    Lumivane control;
    control.resize(30, 30);
    control.setScaleMode(Lumivane::LVNScaleMode::Pixel);
    control.setTransparentColor(0x00BEBEBE);
    control.setForeColor(0x00FFFFFF);
    control.setDrawMode(Lumivane::LVNDrawMode::XorPen);
    QObject *canvas = control.canvas();
    const auto drawLine = [&] {
        QVERIFY(QMetaObject::invokeMethod(
            canvas, "line", Q_ARG(float, 0), Q_ARG(float, 4), Q_ARG(float, 20), Q_ARG(float, 4)));
    };
    drawLine();
    QCOMPARE(control.image().toImage().pixel(5, 4), qRgb(0x41, 0x41, 0x41));
    drawLine(); // the second pass takes the line away again
    QCOMPARE(control.image().toImage().pixel(5, 4), qRgb(190, 190, 190));

    control.setDrawMode(Lumivane::LVNDrawMode::Nop);
    drawLine();
    QCOMPARE(control.image().toImage().pixel(5, 4), qRgb(190, 190, 190));
}

void tst_Lumivane::resizeMovesPicture1AndCopiesTheScale()
{
    Lumivane control;
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QSignalSpy resized(&control, &Lumivane::Resize);
    control.resize(92, 49);
    QVERIFY(resized.count() >= 1);
    QWidget *inner = picture1(control);
    QCOMPARE(inner->geometry(), QRect(0, 0, 92, 49));
    QCOMPARE(inner->property("scaleMode").toInt(), 1);
    QCOMPARE(inner->property("scaleWidth").toFloat(), 1380.0f);
    QCOMPARE(inner->property("scaleHeight").toFloat(), 735.0f);

    // A border takes pixels from the interior; Picture1 follows at once.
    control.setAppearance(Lumivane::LVNAppearence::Flat);
    resized.clear();
    control.setBorderStyle(Lumivane::LVNBorderStyle::FixedSingle);
    QCOMPARE(resized.count(), 1);
    QCOMPARE(inner->geometry(), QRect(1, 1, 90, 47));
    QCOMPARE(control.scaleWidth(), 1350.0f);
    QCOMPARE(inner->property("scaleWidth").toFloat(), 1350.0f);
    QCOMPARE(control.image().size(), QSize(90, 47));
}

void tst_Lumivane::hiddenControlFollowsItsSizeAtOnce()
{
    // The host places the control and paints the logo before its window shows.
    QWidget window;
    auto *control = new Lumivane(&window);
    QSignalSpy resized(control, &Lumivane::Resize);
    control->setGeometry(311, 238, 92, 49);
    control->PaintPicture(QPixmap::fromImage(filledImage(QSize(92, 49), Qt::gray)), 0, 0);
    QCOMPARE(resized.count(), 1);
    QCOMPARE(control->image().size(), QSize(92, 49));
    QCOMPARE(control->visiblePicture().size(), QSize(92, 49));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(resized.count(), 1); // not again when shown
}

void tst_Lumivane::userScaleIsCopiedWithModeLast()
{
    Lumivane control;
    control.resize(100, 50);
    control.setScaleWidth(1000);
    control.setScaleHeight(-500);
    control.setScaleLeft(10);
    QCOMPARE(control.scaleMode(), Lumivane::LVNScaleMode::User);
    control.resize(200, 100);
    QWidget *inner = picture1(control);
    QCOMPARE(inner->property("scaleMode").toInt(), 0);
    QCOMPARE(inner->property("scaleWidth").toFloat(), 1000.0f);
    QCOMPARE(inner->property("scaleHeight").toFloat(), -500.0f);
    QCOMPARE(inner->property("scaleLeft").toFloat(), 10.0f);

    // Back to a fixed mode: the mode, copied last, stands on Picture1.
    control.setScaleMode(Lumivane::LVNScaleMode::Inch);
    QCOMPARE(inner->property("scaleMode").toInt(), 5);
    QCOMPARE(inner->property("scaleLeft").toFloat(), 0.0f);
    QCOMPARE(inner->property("scaleWidth").toFloat(), control.scaleWidth());
}

void tst_Lumivane::scaleModeLetCopiesUnitsForTextAndPoint()
{
    Lumivane control;
    control.resize(100, 60);
    control.setTransparentColor(0x00FFFFFF);
    control.setScaleMode(Lumivane::LVNScaleMode::Pixel);
    const QString text = QStringLiteral("Brimlow");
    QCOMPARE(control.TextWidth(text), float(QFontMetrics(control.drawingFont()).horizontalAdvance(text)));

    QObject *canvas = control.canvas();
    QVERIFY(QMetaObject::invokeMethod(
        canvas, "pset", Q_ARG(float, 30), Q_ARG(float, 20), Q_ARG(QColor, QColor(0, 0, 255))));
    QCOMPARE(control.Point(30, 20), qint32(0x00FF0000)); // blue as 0x00BBGGRR
    QCOMPARE(control.Point(500, 20), -1);

    control.setScaleMode(Lumivane::LVNScaleMode::Twip);
    QCOMPARE(control.Point(450, 300), qint32(0x00FF0000));
    QCOMPARE(
        control.TextWidth(text), float(QFontMetrics(control.drawingFont()).horizontalAdvance(text) * 15));
}

void tst_Lumivane::scaleMethodSetsBothSurfaces()
{
    Lumivane control;
    control.resize(100, 50);
    control.Scale_(0, 100, 10, 0);
    QCOMPARE(control.scaleMode(), Lumivane::LVNScaleMode::User);
    QCOMPARE(control.scaleLeft(), 0.0f);
    QCOMPARE(control.scaleTop(), 100.0f);
    QCOMPARE(control.scaleWidth(), 10.0f);
    QCOMPARE(control.scaleHeight(), -100.0f);
    QWidget *inner = picture1(control);
    QCOMPARE(inner->property("scaleHeight").toFloat(), -100.0f);
    QCOMPARE(inner->property("scaleTop").toFloat(), 100.0f);

    // Only some corners given: refused, and nothing changes.
    control.Scale_(1, 2);
    QCOMPARE(control.lastError().number, 5);
    QCOMPARE(control.scaleWidth(), 10.0f);

    control.Scale_();
    QCOMPARE(control.scaleMode(), Lumivane::LVNScaleMode::Twip);
    QCOMPARE(inner->property("scaleMode").toInt(), 1);
}

void tst_Lumivane::scaleConversions()
{
    Lumivane control;
    control.resize(100, 50);
    QCOMPARE(control.ScaleX(1, 5, 1), 1440.0f); // an inch in twips
    QCOMPARE(control.ScaleY(2, 4, 1), 480.0f); // characters are 240 twips high
    QCOMPARE(control.ScaleX(2540), 1440.0f); // from 0.01 mm to the control's twips
    QCOMPARE(control.ScaleX(15, 1, 3), 1.0f); // twips to pixels
    control.setScaleWidth(1000); // user scale over 100 pixels
    QCOMPARE(control.ScaleX(10, 3, 0), 100.0f);
    QCOMPARE(control.ScaleX(1, 11, 1), 0.0f);
    QCOMPARE(control.lastError().number, 5);
}

void tst_Lumivane::seeThroughPixelsPassClicksToTheContainer()
{
    Container container;
    container.resize(120, 80);
    auto *control = new Lumivane(&container);
    control->setGeometry(10, 10, 60, 40);
    int controlPresses = 0;
    connect(control, &Lumivane::MouseDown, this, [&](int &, int &, float &, float &) { ++controlPresses; });
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));

    // The logo case: a picture whose background is exactly the mask colour.
    const QColor see = control->palette().color(QPalette::Button);
    QImage picture = filledImage(QSize(60, 40), see);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 128));
    control->setPicture(QPixmap::fromImage(picture));
    QVERIFY(control->mask().contains(QPoint(5, 5)));
    QVERIFY(!control->mask().contains(QPoint(40, 30)));

    QWindow *window = container.windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10 + 40, 10 + 30)); // see-through
    QCOMPARE(container.presses, 1);
    QCOMPARE(controlPresses, 0);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10 + 5, 10 + 5)); // on the picture
    QCOMPARE(controlPresses, 1);
    QCOMPARE(container.presses, 1);

    // Opaque back style: the whole surface takes the mouse.
    control->setBackStyle(Lumivane::LVNBackStyle::Opaque);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(10 + 40, 10 + 30));
    QCOMPARE(controlPresses, 2);
    QCOMPARE(container.presses, 1);
}

void tst_Lumivane::toolboxPictureShipsInside()
{
    const QImage toolbox(QStringLiteral(":/lumivane/bitmap/30000"));
    QCOMPARE(toolbox.size(), QSize(16, 15));
    QCOMPARE(toolbox.depth(), 32); // loaded from 24 bits
}

void tst_Lumivane::dropTargetRaisesTheOleEvents_data()
{
    QTest::addColumn<int>("handlerEffect");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<Qt::DropAction>("action");
    QTest::newRow("handler keeps the proposed effects") << -1 << true << Qt::MoveAction;
    QTest::newRow("handler allows copying only") << 1 << true << Qt::CopyAction;
    QTest::newRow("handler refuses the drop") << 0 << false << Qt::IgnoreAction;
}

void tst_Lumivane::dropTargetRaisesTheOleEvents()
{
    QFETCH(int, handlerEffect);
    QFETCH(bool, accepted);
    QFETCH(Qt::DropAction, action);

    Lumivane control;
    control.resize(100, 60);
    control.setScaleMode(Lumivane::LVNScaleMode::Pixel);
    QVERIFY(!control.acceptDrops());
    control.setOleDropMode(Lumivane::LVNOLEDropMode::Manual);
    QVERIFY(control.acceptDrops());

    QList<int> states;
    QString droppedText;
    float dropX = -1;
    connect(&control, &Lumivane::OLEDragOver, this,
        [&](const QMimeData *, qint32 &effect, int &, int &, float &, float &, int &state) {
            states << state;
            if (handlerEffect >= 0)
                effect = handlerEffect;
        });
    connect(&control, &Lumivane::OLEDragDrop, this,
        [&](const QMimeData *data, qint32 &, int &, int &, float &x, float &) {
            droppedText = data->text();
            dropX = x;
        });

    QMimeData data;
    data.setText(QStringLiteral("Brimlow"));
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(12, 7), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    QCOMPARE(enter.dropAction(), accepted ? action : enter.dropAction());
    QCOMPARE(states, QList<int> { 0 });
    if (!accepted)
        return; // no drop follows a refusal

    QDropEvent drop(QPointF(12, 7), offered, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&control, &drop);
    QCOMPARE(droppedText, QStringLiteral("Brimlow"));
    QCOMPARE(dropX, 12.0f);
}

void tst_Lumivane::emptyBagReadsAsTheDefaults()
{
    QWidget host;
    host.setFont(QFont(QStringLiteral("Serif"), 11));
    auto *control = new Lumivane(&host);
    control->setTransparentColor(0x00123456);
    control->setAutoRedraw(false);
    control->setMoveable(true);
    MemoryPropertyBag bag;
    QSignalSpy changed(control, &Lumivane::propertyChanged);
    QVERIFY(control->readProperties(&bag));
    QCOMPARE(control->transparentColor(), 0x8000000Fu);
    QCOMPARE(control->maskColor(), 0x8000000Fu);
    QCOMPARE(control->backStyle(), Lumivane::LVNBackStyle::Transparent);
    QCOMPARE(control->foreColor(), 0x80000012u);
    QCOMPARE(control->fillStyle(), Lumivane::LVNFillStyle::Transparent);
    QCOMPARE(control->drawMode(), Lumivane::LVNDrawMode::CopyPen);
    QCOMPARE(control->linkTimeout(), 50);
    QCOMPARE(control->scaleMode(), Lumivane::LVNScaleMode::Twip);
    QCOMPARE(control->scaleWidth(), 8145.0f);
    QCOMPARE(control->scaleHeight(), 9060.0f);
    QVERIFY(control->autoRedraw());
    QVERIFY(!control->isMoveable());
    QCOMPARE(control->moveStyle(), Lumivane::LVNMoveStyle::Contents);
    QCOMPARE(control->drawingFont().family(), QStringLiteral("Serif"));
    // Only the public MouseIcon runs during a read, and it tells the host.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("MouseIcon"));
}

void tst_Lumivane::freshControlWritesNothing()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->initProperties();
    MemoryPropertyBag bag;
    QVERIFY(control->writeProperties(&bag));
    QCOMPARE(bag.names(), QStringList());
}

void tst_Lumivane::lowerCaseNamesSetOnlyThemselves()
{
    // The converter's saved settings of its logo control.
    QWidget host;
    auto *control = new Lumivane(&host);
    control->setGeometry(311, 238, 92, 49);
    MemoryPropertyBag bag;
    const QFont font(QStringLiteral("Sans"), 8);
    bag.setValue(QStringLiteral("transparentcolor"), 0x00BEBEBE);
    bag.setValue(QStringLiteral("font"), font);
    bag.setValue(QStringLiteral("forecolor"), qint32(0x80000008u));
    bag.setValue(QStringLiteral("scaleheight"), 735);
    bag.setValue(QStringLiteral("scalewidth"), 1380);
    QVERIFY(control->readProperties(&bag));
    QCOMPARE(control->transparentColor(), 0x00BEBEBEu);
    QCOMPARE(control->maskColor(), 0x00BEBEBEu);
    QCOMPARE(control->foreColor(), 0x80000008u);
    QCOMPARE(control->drawingFont(), font);
    QCOMPARE(control->scaleWidth(), 1380.0f);
    QCOMPARE(control->scaleHeight(), 735.0f);
    QCOMPARE(control->scaleMode(), Lumivane::LVNScaleMode::Twip);
    QCOMPARE(control->drawMode(), Lumivane::LVNDrawMode::CopyPen);
    QCOMPARE(control->backStyle(), Lumivane::LVNBackStyle::Transparent);
    QVERIFY(!control->isMoveable());
}

void tst_Lumivane::readSetsTheMaskColourAndPublishesWhateverAutoRedraw()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->setGeometry(0, 0, 20, 10);
    QImage picture = filledImage(QSize(8, 10), QColor(190, 190, 190));
    picture.setPixel(3, 3, qRgb(0, 0, 0));
    MemoryPropertyBag bag;
    bag.setValue(QStringLiteral("TransparentColor"), 0x00BEBEBE);
    bag.setValue(QStringLiteral("AutoRedraw"), false);
    bag.setValue(QStringLiteral("Picture"), QPixmap::fromImage(picture));
    QSignalSpy published(control, &Lumivane::imagePublished);
    QVERIFY(control->readProperties(&bag));
    QVERIFY(published.count() >= 1);
    QVERIFY(!control->autoRedraw());
    QCOMPARE(control->visiblePicture().toImage().pixel(3, 3), qRgb(0, 0, 0));
    QVERIFY(control->mask().contains(QPoint(3, 3)));
    QVERIFY(!control->mask().contains(QPoint(5, 5)));
    QVERIFY(!control->mask().contains(QPoint(15, 5)));

    // A new colour at run time repaints the uncovered background, which then
    // shows; the picture's grey stays see-through until the next read.
    control->setTransparentColor(0x00FF0000);
    QCOMPARE(control->maskColor(), 0x00BEBEBEu);
    QVERIFY(control->mask().contains(QPoint(15, 5)));
    QVERIFY(!control->mask().contains(QPoint(5, 5)));
}

void tst_Lumivane::hostHandlersRunFirstWithTheSameBag()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    MemoryPropertyBag bag;
    bag.setValue(QStringLiteral("DrawMode"), 7);
    PropertyBag *seenOnRead = nullptr;
    int drawModeWhenRead = 0;
    connect(control, &Lumivane::ReadProperties, this, [&](PropertyBag *propBag) {
        seenOnRead = propBag;
        drawModeWhenRead = int(control->drawMode());
    });
    QVERIFY(control->readProperties(&bag));
    QCOMPARE(seenOnRead, static_cast<PropertyBag *>(&bag));
    QCOMPARE(drawModeWhenRead, 13);
    QCOMPARE(int(control->drawMode()), 7);

    MemoryPropertyBag out;
    int storedWhenWritten = -1;
    connect(control, &Lumivane::WriteProperties, this,
        [&](PropertyBag *) { storedWhenWritten = int(out.names().size()); });
    QVERIFY(control->writeProperties(&out));
    QCOMPARE(storedWhenWritten, 0);
    QCOMPARE(out.value(QStringLiteral("DrawMode")).toInt(), 7);
}

void tst_Lumivane::readErrorStopsAtItsRow()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    MemoryPropertyBag bag;
    bag.setValue(QStringLiteral("TransparentColor"), 0x00BEBEBE); // row 2
    bag.setValue(QStringLiteral("DrawMode"), 40000); // row 6
    bag.setValue(QStringLiteral("FillStyle"), 0); // row 11
    QSignalSpy errors(control, &Lumivane::errorRaised);
    QVERIFY(!control->readProperties(&bag));
    QCOMPARE(control->lastError().number, 6);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(control->transparentColor(), 0x00BEBEBEu);
    QCOMPARE(control->fillStyle(), Lumivane::LVNFillStyle::Transparent);
}

void tst_Lumivane::writeStoresChangedValuesInOrder()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->initProperties();
    control->setMoveStyle(Lumivane::LVNMoveStyle::Both);
    control->setTransparentColor(0x00BEBEBE);
    control->setScaleMode(Lumivane::LVNScaleMode::Pixel);
    MemoryPropertyBag bag;
    QVERIFY(control->writeProperties(&bag));
    QCOMPARE(bag.names(),
        (QStringList { QStringLiteral("TransparentColor"), QStringLiteral("ScaleHeight"),
            QStringLiteral("ScaleMode"), QStringLiteral("ScaleWidth"), QStringLiteral("MoveStyle") }));
    QCOMPARE(bag.value(QStringLiteral("ScaleMode")).toInt(), 3);

    // What was written reads back into another control.
    auto *copy = new Lumivane(&host);
    QVERIFY(copy->readProperties(&bag));
    QCOMPARE(copy->transparentColor(), 0x00BEBEBEu);
    QCOMPARE(copy->scaleMode(), Lumivane::LVNScaleMode::Pixel);
    QCOMPARE(copy->moveStyle(), Lumivane::LVNMoveStyle::Both);
}

void tst_Lumivane::enabledIsTheControlsOwnFlag()
{
    // A control saved while its container was disabled.
    Container disabledHost;
    auto *saved = new Lumivane(&disabledHost);
    disabledHost.setEnabled(false);
    QVERIFY(!saved->isEnabled());
    QVERIFY(get(*saved, "Enabled").toBool());
    MemoryPropertyBag bag;
    QVERIFY(saved->writeProperties(&bag));
    QVERIFY(!bag.names().contains(QStringLiteral("Enabled")));

    // Loaded into an enabled container, it takes the clicks.
    Container container;
    container.resize(120, 80);
    auto *control = new Lumivane(&container);
    control->setGeometry(10, 10, 60, 40);
    QVERIFY(control->readProperties(&bag));
    control->setBackStyle(Lumivane::LVNBackStyle::Opaque);
    QSignalSpy clicks(control, &Lumivane::Click);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QTest::mouseClick(container.windowHandle(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(container.presses, 0);

    // Its own False outlasts the container's changes and is what it stores.
    control->setControlEnabled(false);
    container.setEnabled(false);
    container.setEnabled(true);
    QVERIFY(!get(*control, "Enabled").toBool());
    QTest::mouseClick(container.windowHandle(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(clicks.count(), 1);
    MemoryPropertyBag disabled;
    QVERIFY(control->writeProperties(&disabled));
    QCOMPARE(disabled.value(QStringLiteral("Enabled")).toBool(), false);
}

void tst_Lumivane::rightToLeftIsTheControlsOwnSetting()
{
    struct Direction
    {
        Direction() { QGuiApplication::setLayoutDirection(Qt::RightToLeft); }
        ~Direction() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }
    } rightToLeftApplication;

    Container container;
    auto *control = new Lumivane(&container);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QVERIFY(!control->rightToLeft());
    QVERIFY(!get(*control, "RightToLeft").toBool());
    MemoryPropertyBag bag;
    QVERIFY(control->writeProperties(&bag));
    QVERIFY(!bag.names().contains(QStringLiteral("RightToLeft")));

    QVERIFY(call(*control, "RightToLeft", DispatchKind::Let, { true }).ok());
    QVERIFY(control->rightToLeft());
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    QVERIFY(control->rightToLeft());
    QVERIFY(control->writeProperties(&bag));
    QCOMPARE(bag.value(QStringLiteral("RightToLeft")).toBool(), true);
}

void tst_Lumivane::doubleClickRaisesOneClick()
{
    Container container;
    container.resize(120, 80);
    auto *control = new Lumivane(&container);
    control->setGeometry(10, 10, 60, 40);
    control->setBackStyle(Lumivane::LVNBackStyle::Opaque);
    QStringList raised;
    connect(control, &Lumivane::MouseDown, this,
        [&](int &, int &, float &, float &) { raised << QStringLiteral("MouseDown"); });
    connect(control, &Lumivane::MouseUp, this,
        [&](int &, int &, float &, float &) { raised << QStringLiteral("MouseUp"); });
    connect(control, &Lumivane::Click, this, [&] { raised << QStringLiteral("Click"); });
    connect(control, &Lumivane::DblClick, this, [&] { raised << QStringLiteral("DblClick"); });
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));

    QTest::mouseDClick(container.windowHandle(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(raised,
        (QStringList { QStringLiteral("MouseDown"), QStringLiteral("MouseUp"), QStringLiteral("Click"),
            QStringLiteral("DblClick"), QStringLiteral("MouseUp") }));

    // The next single click clicks again.
    raised.clear();
    QTest::mouseClick(container.windowHandle(), Qt::LeftButton, {}, QPoint(30, 30));
    QCOMPARE(raised,
        (QStringList { QStringLiteral("MouseDown"), QStringLiteral("MouseUp"), QStringLiteral("Click") }));
}

void tst_Lumivane::hwndIsTheNearestNativeWindow()
{
    Container container;
    auto *control = new Lumivane(&container);
    QCOMPARE(get(*control, "hwnd").toLongLong(), 0);
    QCOMPARE(control->hwnd(), 0);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QVERIFY(container.winId() != 0);
    QCOMPARE(get(*control, "hwnd").toLongLong(), qint64(qint32(container.winId())));
    // Asking does not give the control a native window of its own.
    QVERIFY(!control->testAttribute(Qt::WA_NativeWindow));
    QVERIFY(control->internalWinId() == 0);

    // A control placed on a shown window has none until it is shown itself.
    auto *later = new Lumivane(&container);
    QCOMPARE(later->hwnd(), 0);
    later->show();
    QCOMPARE(later->hwnd(), qint32(container.winId()));
}

void tst_Lumivane::formTransparentColorIsTakenAsStored()
{
    Lumivane control;
    control.initProperties();
    QSignalSpy changed(&control, &Lumivane::propertyChanged);
    // As a form sets it (uic's setProperty(), Designer's property editor).
    QVERIFY(control.setProperty("TransparentColor", 0x00BEBEBEu));
    QCOMPARE(control.transparentColor(), 0x00BEBEBEu);
    QCOMPARE(control.backColor(), 0x00BEBEBEu);
    QCOMPARE(control.maskColor(), 0x00BEBEBEu);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), QStringLiteral("TransparentColor"));
    // The let at run time leaves the mask colour as it was.
    control.setTransparentColor(0x0000FF00);
    QCOMPARE(control.transparentColor(), 0x0000FF00u);
    QCOMPARE(control.maskColor(), 0x00BEBEBEu);
}

void tst_Lumivane::toolTipTextShowsOverThePicture()
{
    QWidget container;
    container.resize(120, 80);
    auto *control = new Lumivane(&container);
    control->initProperties();
    control->setGeometry(10, 10, 40, 30);
    QPixmap dark(40, 30);
    dark.fill(Qt::darkBlue);
    control->setPicture(dark);
    control->setToolTipText(QStringLiteral("The logo"));
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    // What Qt sends when the pointer rests on the picture.
    const QPoint at(20, 15);
    QTest::mouseMove(control, at);
    QHelpEvent rest(QEvent::ToolTip, at, control->mapToGlobal(at));
    QApplication::sendEvent(control, &rest);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("The logo"));
    QToolTip::hideText();
}

void tst_Lumivane::outlineInDesignModeOnly_data()
{
    QTest::addColumn<bool>("designMode");
    QTest::addColumn<bool>("withPicture");
    QTest::newRow("host, empty") << false << false;
    QTest::newRow("host, picture") << false << true;
    QTest::newRow("form editor, empty") << true << false;
    QTest::newRow("form editor, picture") << true << true;
}

void tst_Lumivane::outlineInDesignModeOnly()
{
    QFETCH(bool, designMode);
    QFETCH(bool, withPicture);
    QWidget container;
    container.setAutoFillBackground(true);
    container.setPalette(QPalette(Qt::white));
    container.resize(120, 80);
    auto *control = new Lumivane(&container);
    control->initProperties();
    control->setGeometry(10, 10, 40, 30);
    control->setDesignMode(designMode);
    if (withPicture) {
        // All of it the see-through colour: nothing of the picture shows.
        QPixmap grey(40, 30);
        grey.fill(QColor(190, 190, 190));
        control->setProperty("TransparentColor", 0x00BEBEBEu);
        control->setPicture(grey);
    }
    const QImage shot = container.grab().toImage();
    int marked = 0;
    for (int x = 10; x < 50; ++x)
        marked += (shot.pixel(x, 10) != qRgb(255, 255, 255)) + (shot.pixel(x, 39) != qRgb(255, 255, 255));
    for (int y = 11; y < 39; ++y)
        marked += (shot.pixel(10, y) != qRgb(255, 255, 255)) + (shot.pixel(49, y) != qRgb(255, 255, 255));
    if (designMode)
        // Dashed; over a picture the gaps show the picture.
        QVERIFY2(marked > 40 && (withPicture || marked < 136), qPrintable(QString::number(marked)));
    else
        QCOMPARE(marked, 0);
    QCOMPARE(shot.pixel(30, 25), qRgb(255, 255, 255));
}

QTEST_MAIN(tst_Lumivane)
#include "tst_lumivane.moc"
