#include "Formkit/filepropertybag.h"
#include "Formkit/memorypropertybag.h"
#include "Lumivane/lumivane.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Formkit::ControlError;
using Formkit::FilePropertyBag;
using Formkit::MemoryPropertyBag;
using Formkit::PropertyBag;
namespace controlerror = Formkit::controlerror;

namespace {

// A host's bag that keeps its values in memory and records every call, and can
// refuse one named value as a bag refuses a value it cannot convert.
class RecordingBag final : public QObject, public PropertyBag
{
    Q_OBJECT
    Q_INTERFACES(Formkit::PropertyBag)

public:
    struct Call
    {
        QString name;
        QVariant value;
        QVariant defaultValue;
    };

    QVariant readProperty(const QString &name, const QVariant &defaultValue, ControlError *error) override
    {
        reads.append({ name, {}, defaultValue });
        if (name == refused) {
            if (error)
                *error = controlerror::make(controlerror::typeMismatch);
            return {};
        }
        return values.readProperty(name, defaultValue, error);
    }

    ControlError writeProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue) override
    {
        writes.append({ name, value, defaultValue });
        if (name == refused)
            return controlerror::make(controlerror::typeMismatch);
        return values.writeProperty(name, value, defaultValue);
    }

    static QStringList namesOf(const QList<Call> &calls)
    {
        QStringList names;
        for (const Call &call : calls)
            names << call.name;
        return names;
    }

    MemoryPropertyBag values;
    QString refused;
    QList<Call> reads;
    QList<Call> writes;
};

const QStringList readOrder {
    "Appearance",
    "TransparentColor",
    "BackStyle",
    "BorderStyle",
    "ClipControls",
    "DrawMode",
    "DrawStyle",
    "DrawWidth",
    "Enabled",
    "FillColor",
    "FillStyle",
    "Font",
    "FontTransparent",
    "ForeColor",
    "MouseIcon",
    "MousePointer",
    "Picture",
    "ScaleHeight",
    "ScaleLeft",
    "ScaleTop",
    "ScaleWidth",
    "ScaleMode",
    "ToolTipText",
    "RightToLeft",
    "WhatsThisHelpID",
    "OLEDragMode",
    "OLEDropMode",
    "LinkTimeout",
    "LinkTopic",
    "LinkItem",
    "LinkMode",
    "CurrentX",
    "CurrentY",
    "AutoRedraw",
    "Moveable",
    "MoveStyle",
};

QStringList writeOrder()
{
    QStringList order = readOrder;
    // The scale rows are written in the order of their names.
    const qsizetype first = order.indexOf(QStringLiteral("ScaleHeight"));
    order.remove(first, 5);
    order.insert(first, QStringLiteral("ScaleWidth"));
    order.insert(first, QStringLiteral("ScaleTop"));
    order.insert(first, QStringLiteral("ScaleMode"));
    order.insert(first, QStringLiteral("ScaleLeft"));
    order.insert(first, QStringLiteral("ScaleHeight"));
    return order;
}

QImage pattern(QSize size, QColor ground)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    painter.fillRect(2, 2, 3, 4, QColor(200, 30, 60));
    painter.fillRect(size.width() - 3, 1, 2, 2, QColor(0, 0, 0));
    return image;
}

QImage rgb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_LumivaneProperties final : public QObject
{
    Q_OBJECT

private slots:
    void readAsksForEveryRowInOrderWithItsDefault_data();
    void readAsksForEveryRowInOrderWithItsDefault();
    void writeGivesEveryRowInOrder();
    void freshControlStoresNothing();
    void hostHearsFirstWithTheSameBag();
    void resizeAndPublishComeBeforeTheOwnState();
    void readErrorEndsTheReadAtItsRow_data();
    void readErrorEndsTheReadAtItsRow();
    void writeErrorEndsTheWriteAtItsRow();
    void lowerCaseNamesAreFound();
    void initialiseTakesTheAmbientFont();
    void roundTripThroughTheFileBag();
};

void tst_LumivaneProperties::readAsksForEveryRowInOrderWithItsDefault_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::newRow("Appearance 3D") << "Appearance" << QVariant(1);
    QTest::newRow("TransparentColor button face") << "TransparentColor" << QVariant(qint32(0x8000000F));
    QTest::newRow("BackStyle transparent") << "BackStyle" << QVariant(0);
    QTest::newRow("ClipControls true") << "ClipControls" << QVariant(true);
    QTest::newRow("DrawMode copy pen") << "DrawMode" << QVariant(13);
    QTest::newRow("DrawWidth one") << "DrawWidth" << QVariant(1);
    QTest::newRow("FillColor black") << "FillColor" << QVariant(0);
    QTest::newRow("FillStyle transparent") << "FillStyle" << QVariant(1);
    QTest::newRow("ForeColor button text") << "ForeColor" << QVariant(qint32(0x80000012));
    QTest::newRow("MouseIcon none") << "MouseIcon" << QVariant();
    QTest::newRow("Picture none") << "Picture" << QVariant();
    QTest::newRow("ScaleHeight design height") << "ScaleHeight" << QVariant(9060.0f);
    QTest::newRow("ScaleWidth design width") << "ScaleWidth" << QVariant(8145.0f);
    QTest::newRow("ScaleMode twips") << "ScaleMode" << QVariant(1);
    QTest::newRow("ToolTipText empty") << "ToolTipText" << QVariant(QString());
    QTest::newRow("WhatsThisHelpID zero") << "WhatsThisHelpID" << QVariant(0);
    QTest::newRow("LinkTimeout fifty") << "LinkTimeout" << QVariant(50);
    QTest::newRow("CurrentY zero") << "CurrentY" << QVariant(0.0f);
    QTest::newRow("AutoRedraw true") << "AutoRedraw" << QVariant(true);
    QTest::newRow("Moveable false") << "Moveable" << QVariant(false);
    QTest::newRow("MoveStyle contents") << "MoveStyle" << QVariant(0);
}

void tst_LumivaneProperties::readAsksForEveryRowInOrderWithItsDefault()
{
    QFETCH(QString, name);
    QFETCH(QVariant, defaultValue);
    QWidget host;
    auto *control = new Lumivane(&host);
    RecordingBag bag;
    QVERIFY(control->readProperties(&bag));
    QCOMPARE(RecordingBag::namesOf(bag.reads), readOrder);
    const RecordingBag::Call &call = bag.reads.at(readOrder.indexOf(name));
    QCOMPARE(call.defaultValue, defaultValue);
    // The same default is given when writing.
    QVERIFY(control->writeProperties(&bag));
    QCOMPARE(bag.writes.at(writeOrder().indexOf(name)).defaultValue, defaultValue);
}

void tst_LumivaneProperties::writeGivesEveryRowInOrder()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->initProperties();
    RecordingBag bag;
    QVERIFY(control->writeProperties(&bag));
    QCOMPARE(RecordingBag::namesOf(bag.writes), writeOrder());
    QCOMPARE(bag.writes.at(11).defaultValue, QVariant(host.font())); // the ambient font
}

void tst_LumivaneProperties::freshControlStoresNothing()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->initProperties();
    RecordingBag bag;
    QVERIFY(control->writeProperties(&bag));
    QCOMPARE(bag.values.names(), QStringList());
    // An empty bag read and written back stores nothing either.
    auto *read = new Lumivane(&host);
    QVERIFY(read->readProperties(&bag));
    QVERIFY(read->writeProperties(&bag));
    QCOMPARE(bag.values.names(), QStringList());
}

void tst_LumivaneProperties::hostHearsFirstWithTheSameBag()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    RecordingBag bag;
    qsizetype readsBefore = -1;
    qsizetype writesBefore = -1;
    PropertyBag *readBag = nullptr;
    PropertyBag *writeBag = nullptr;
    connect(control, &Lumivane::ReadProperties, this, [&](PropertyBag *given) {
        readBag = given;
        readsBefore = bag.reads.size();
        // What the host stores in its handler is what the control then reads.
        given->writeProperty(QStringLiteral("LinkTopic"), QStringLiteral("Host|Topic"), QString());
    });
    connect(control, &Lumivane::WriteProperties, this, [&](PropertyBag *given) {
        writeBag = given;
        writesBefore = bag.writes.size();
    });
    QVERIFY(control->readProperties(&bag));
    QCOMPARE(readBag, static_cast<PropertyBag *>(&bag));
    QCOMPARE(readsBefore, 0);
    QCOMPARE(control->linkTopic(), QStringLiteral("Host|Topic"));
    bag.writes.clear();
    QVERIFY(control->writeProperties(&bag));
    QCOMPARE(writeBag, static_cast<PropertyBag *>(&bag));
    QCOMPARE(writesBefore, 0);
}

void tst_LumivaneProperties::resizeAndPublishComeBeforeTheOwnState()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->setGeometry(0, 0, 30, 20);
    RecordingBag bag;
    bag.values.setValue(QStringLiteral("AutoRedraw"), false);
    bag.values.setValue(QStringLiteral("TransparentColor"), 0x00BEBEBE);
    qsizetype readsAtResize = -1;
    qsizetype readsAtPublish = -1;
    connect(control, &Lumivane::Resize, this, [&] { readsAtResize = bag.reads.size(); });
    connect(control, &Lumivane::imagePublished, this, [&] { readsAtPublish = bag.reads.size(); });
    QVERIFY(control->readProperties(&bag));
    QCOMPARE(readsAtResize, 33);
    QCOMPARE(readsAtPublish, 33); // published although AutoRedraw is stored False
    QVERIFY(!control->autoRedraw());
    QCOMPARE(control->visiblePicture().size(), QSize(30, 20));
}

void tst_LumivaneProperties::readErrorEndsTheReadAtItsRow_data()
{
    QTest::addColumn<QString>("refused");
    QTest::addColumn<int>("rowsRead");
    QTest::newRow("first row") << "Appearance" << 1;
    QTest::newRow("fill colour") << "FillColor" << 10;
    QTest::newRow("scale width") << "ScaleWidth" << 21;
    QTest::newRow("auto redraw after the publish") << "AutoRedraw" << 34;
}

void tst_LumivaneProperties::readErrorEndsTheReadAtItsRow()
{
    QFETCH(QString, refused);
    QFETCH(int, rowsRead);
    QWidget host;
    auto *control = new Lumivane(&host);
    control->setForeColor(0x00112233);
    control->setMoveable(true);
    RecordingBag bag;
    bag.refused = refused;
    bag.values.setValue(QStringLiteral("DrawWidth"), 3); // row 8
    QSignalSpy errors(control, &Lumivane::errorRaised);
    QVERIFY(!control->readProperties(&bag));
    QCOMPARE(control->lastError().number, controlerror::typeMismatch);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(bag.reads.size(), rowsRead);
    // Rows before the error are applied, those after are not.
    QCOMPARE(control->drawWidth(), rowsRead > 8 ? 3 : 1);
    QCOMPARE(control->foreColor(), rowsRead > 14 ? 0x80000012u : 0x00112233u);
    QVERIFY(control->isMoveable());
}

void tst_LumivaneProperties::writeErrorEndsTheWriteAtItsRow()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->initProperties();
    control->setDrawWidth(2);
    control->setMoveable(true);
    RecordingBag bag;
    bag.refused = QStringLiteral("Font");
    QVERIFY(!control->writeProperties(&bag));
    QCOMPARE(control->lastError().number, controlerror::typeMismatch);
    QCOMPARE(bag.writes.size(), 12);
    QCOMPARE(bag.values.names(), QStringList { QStringLiteral("DrawWidth") });
}

void tst_LumivaneProperties::lowerCaseNamesAreFound()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    RecordingBag bag;
    bag.values.setValue(QStringLiteral("movestyle"), 2);
    bag.values.setValue(QStringLiteral("MOVEABLE"), true);
    bag.values.setValue(QStringLiteral("scalemode"), 3);
    QVERIFY(control->readProperties(&bag));
    QCOMPARE(control->moveStyle(), Lumivane::LVNMoveStyle::Both);
    QVERIFY(control->isMoveable());
    QCOMPARE(control->scaleMode(), Lumivane::LVNScaleMode::Pixel);
    // Written back under the spelling first stored.
    QVERIFY(control->writeProperties(&bag));
    QVERIFY(bag.values.names().contains(QStringLiteral("movestyle")));
}

void tst_LumivaneProperties::initialiseTakesTheAmbientFont()
{
    QWidget host;
    host.setFont(QFont(QStringLiteral("Serif"), 13));
    auto *control = new Lumivane(&host);
    control->setMoveable(true);
    control->setMoveStyle(Lumivane::LVNMoveStyle::WireFrame);
    control->setAutoRedraw(false);
    QSignalSpy changed(control, &Lumivane::propertyChanged);
    control->initProperties();
    QCOMPARE(control->drawingFont(), host.font());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("Font"));
    QVERIFY(control->autoRedraw());
    QVERIFY(!control->isMoveable());
    QCOMPARE(control->moveStyle(), Lumivane::LVNMoveStyle::Contents);
}

void tst_LumivaneProperties::roundTripThroughTheFileBag()
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->setGeometry(0, 0, 40, 30);
    control->initProperties();
    const QFont font(QStringLiteral("Serif"), 17, QFont::Bold, true);
    const QImage picture = pattern(QSize(12, 9), QColor(190, 190, 190));
    const QImage icon = pattern(QSize(16, 16), QColor(255, 255, 255));
    control->setAppearance(Lumivane::LVNAppearence::Flat);
    control->setTransparentColor(0x00BEBEBE);
    control->setBackStyle(Lumivane::LVNBackStyle::Opaque);
    control->setBorderStyle(Lumivane::LVNBorderStyle::FixedSingle);
    control->setClipControls(false);
    control->setDrawMode(Lumivane::LVNDrawMode::XorPen);
    control->setDrawStyle(Lumivane::LVNDrawStyle::Dot);
    control->setDrawWidth(3);
    control->setControlEnabled(false);
    control->setFillColor(0x000000FF);
    control->setFillStyle(Lumivane::LVNFillStyle::Cross);
    control->setDrawingFont(font);
    control->setFontTransparent(false);
    control->setForeColor(0x80000008);
    control->setMouseIcon(QPixmap::fromImage(icon));
    control->setMousePointer(Lumivane::LVNMousePointer::Custom);
    control->setPicture(QPixmap::fromImage(picture));
    control->setScaleMode(Lumivane::LVNScaleMode::User);
    control->setScaleLeft(-10.5f);
    control->setScaleTop(2.25f);
    control->setScaleWidth(1380.0f);
    control->setScaleHeight(735.0f);
    control->setToolTipText(QStringLiteral("Brimlow \"logo\"\nsecond line\\"));
    control->setRightToLeft(true);
    control->setWhatsThisHelpId(4711);
    control->setOleDragMode(Lumivane::LVNOLEDragMode::Automatic);
    control->setOleDropMode(Lumivane::LVNOLEDropMode::Manual);
    control->setLinkTimeout(120);
    control->setLinkTopic(QStringLiteral("Brimlow|Units"));
    control->setLinkItem(QStringLiteral("Text1"));
    control->setLinkMode(Lumivane::LVNLinkMode::Manual);
    control->setCurrentX(12.5f);
    control->setCurrentY(0.1f);
    control->setAutoRedraw(false);
    control->setMoveable(true);
    control->setMoveStyle(Lumivane::LVNMoveStyle(7));
    QVERIFY(!control->lastError().isError());

    FilePropertyBag out;
    QVERIFY(control->writeProperties(&out));
    QCOMPARE(out.names(), writeOrder()); // every row differs from its default
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("Lumivane1.bag"));
    QCOMPARE(out.save(path), QString());

    FilePropertyBag in;
    QCOMPARE(in.load(path), QString());
    auto *copy = new Lumivane(&host);
    copy->setGeometry(0, 0, 40, 30);
    QVERIFY(copy->readProperties(&in));
    QCOMPARE(copy->appearance(), Lumivane::LVNAppearence::Flat);
    QCOMPARE(copy->transparentColor(), 0x00BEBEBEu);
    QCOMPARE(copy->maskColor(), 0x00BEBEBEu);
    QCOMPARE(copy->backStyle(), Lumivane::LVNBackStyle::Opaque);
    QCOMPARE(copy->borderStyle(), Lumivane::LVNBorderStyle::FixedSingle);
    QVERIFY(!copy->clipControls());
    QCOMPARE(copy->drawMode(), Lumivane::LVNDrawMode::XorPen);
    QCOMPARE(copy->drawStyle(), Lumivane::LVNDrawStyle::Dot);
    QCOMPARE(copy->drawWidth(), 3);
    QVERIFY(!copy->isEnabled());
    QCOMPARE(copy->fillColor(), 0x000000FFu);
    QCOMPARE(copy->fillStyle(), Lumivane::LVNFillStyle::Cross);
    QCOMPARE(copy->drawingFont(), font);
    QVERIFY(!copy->fontTransparent());
    QCOMPARE(copy->foreColor(), 0x80000008u);
    QCOMPARE(rgb(copy->mouseIcon()), icon);
    QCOMPARE(copy->mousePointer(), Lumivane::LVNMousePointer::Custom);
    QCOMPARE(rgb(copy->picture()), picture);
    QCOMPARE(copy->scaleMode(), Lumivane::LVNScaleMode::User);
    QCOMPARE(copy->scaleLeft(), -10.5f);
    QCOMPARE(copy->scaleTop(), 2.25f);
    QCOMPARE(copy->scaleWidth(), 1380.0f);
    QCOMPARE(copy->scaleHeight(), 735.0f);
    QCOMPARE(copy->toolTipText(), QStringLiteral("Brimlow \"logo\"\nsecond line\\"));
    QVERIFY(copy->rightToLeft());
    QCOMPARE(copy->whatsThisHelpId(), 4711);
    QCOMPARE(copy->oleDragMode(), Lumivane::LVNOLEDragMode::Automatic);
    QCOMPARE(copy->oleDropMode(), Lumivane::LVNOLEDropMode::Manual);
    QCOMPARE(copy->linkTimeout(), 120);
    QCOMPARE(copy->linkTopic(), QStringLiteral("Brimlow|Units"));
    QCOMPARE(copy->linkItem(), QStringLiteral("Text1"));
    QCOMPARE(copy->linkMode(), Lumivane::LVNLinkMode::Manual);
    QCOMPARE(copy->currentX(), 12.5f);
    QCOMPARE(copy->currentY(), 0.1f);
    QVERIFY(!copy->autoRedraw());
    QVERIFY(copy->isMoveable());
    QCOMPARE(qint32(copy->moveStyle()), 7);

    // Written again, the copy gives the same file.
    FilePropertyBag again;
    QVERIFY(copy->writeProperties(&again));
    QCOMPARE(again.text(), out.text());
}

QTEST_MAIN(tst_LumivaneProperties)
#include "tst_lumivaneproperties.moc"
