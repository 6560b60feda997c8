// The embedded pictures: found by number or name and type in any case, read
// from memory, and drawn to the sizes, colours and flask geometry the window
// and the fluid drawing rely on.

#include "resources/resourcepicture.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

int luminance(QRgb c)
{
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

} // namespace

class tst_ResourcePicture : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loadsCustomPictures_data();
    void loadsCustomPictures();
    void missingResourceGivesNullPicture_data();
    void missingResourceGivesNullPicture();
    void logoIsGif89aWithBackgroundAsEntryZero();
    void logoGroundHasNoNearGreyFringe();
    void flaskIsGif89a();
    void flaskWallsAndGlassFollowTheGeometry();
    void flaskHasRimAcrossTheTop();
    void iconIsSixteenColoursSixteenPixels();
    void iconLoadsByNameInAnyCase_data();
    void iconLoadsByNameInAnyCase();
    void missingIconIsNull();
};

void tst_ResourcePicture::init()
{
    // Loading never reports anything, found or not.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void tst_ResourcePicture::loadsCustomPictures_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QSize>("size");
    QTest::newRow("logo, Custom") << 101 << "Custom" << QSize(92, 49);
    QTest::newRow("logo, lower case type") << 101 << "custom" << QSize(92, 49);
    QTest::newRow("flask, Custom") << 102 << "Custom" << QSize(92, 236);
    QTest::newRow("flask, upper case type") << 102 << "CUSTOM" << QSize(92, 236);
    QTest::newRow("flask, mixed case type") << 102 << "cUsToM" << QSize(92, 236);
}

void tst_ResourcePicture::loadsCustomPictures()
{
    QFETCH(int, id);
    QFETCH(QString, type);
    QFETCH(QSize, size);
    const QImage picture = loadResourcePicture(id, type);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), size);
}

void tst_ResourcePicture::missingResourceGivesNullPicture_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("type");
    QTest::newRow("unknown number") << 103 << "Custom";
    QTest::newRow("number 0") << 0 << "Custom";
    QTest::newRow("negative number") << -1 << "Custom";
    QTest::newRow("number beyond 16 bits") << 65536 + 101 << "Custom";
    QTest::newRow("unknown type") << 101 << "Bitmap";
    QTest::newRow("empty type") << 101 << "";
    QTest::newRow("icon folder by number") << 101 << "Icon";
    QTest::newRow("type with a path") << 101 << "Custom/..";
}

void tst_ResourcePicture::missingResourceGivesNullPicture()
{
    QFETCH(int, id);
    QFETCH(QString, type);
    QVERIFY(loadResourcePicture(id, type).isNull());
    QVERIFY(!resourceData(id, type).has_value());
}

void tst_ResourcePicture::logoIsGif89aWithBackgroundAsEntryZero()
{
    const std::optional<QByteArray> data = resourceData(logoResourceId, QStringLiteral("Custom"));
    QVERIFY(data.has_value());
    QVERIFY(data->startsWith("GIF89a"));
    // Logical screen descriptor: a global table of 2^(n+1) = 256 entries, entry 0 first.
    const auto packed = uchar(data->at(10));
    QVERIFY(packed & 0x80);
    QCOMPARE(packed & 0x07, 7);
    QCOMPARE(uchar(data->at(13)), uchar(190));
    QCOMPARE(uchar(data->at(14)), uchar(190));
    QCOMPARE(uchar(data->at(15)), uchar(190));
}

void tst_ResourcePicture::logoGroundHasNoNearGreyFringe()
{
    const QImage logo
        = loadResourcePicture(logoResourceId, QStringLiteral("Custom")).convertToFormat(QImage::Format_RGB32);
    const QRgb ground = qRgb(190, 190, 190);
    int lettering = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const QRgb c = logo.pixel(x, y);
            const bool onEdge = x == 0 || y == 0 || x == logo.width() - 1 || y == logo.height() - 1;
            if (onEdge)
                QVERIFY2(c == ground,
                    qPrintable(QStringLiteral("lettering touches the edge at %1,%2").arg(x).arg(y)));
            if (c == ground)
                continue;
            ++lettering;
            const int distance = qMax(qAbs(qRed(c) - 190), qMax(qAbs(qGreen(c) - 190), qAbs(qBlue(c) - 190)));
            QVERIFY2(distance > 48,
                qPrintable(QStringLiteral("near-grey pixel %1 at %2,%3")
                               .arg(c & 0xffffff, 6, 16, QLatin1Char('0'))
                               .arg(x)
                               .arg(y)));
        }
    }
    // The word fills a good part of the picture.
    QVERIFY(lettering > logo.width() * logo.height() / 5);
}

void tst_ResourcePicture::flaskIsGif89a()
{
    const std::optional<QByteArray> data = resourceData(flaskResourceId, QStringLiteral("Custom"));
    QVERIFY(data.has_value());
    QVERIFY(data->startsWith("GIF89a"));
}

void tst_ResourcePicture::flaskWallsAndGlassFollowTheGeometry()
{
    const QImage flask = loadResourcePicture(flaskResourceId, QStringLiteral("Custom"))
                             .convertToFormat(QImage::Format_RGB32);
    for (int y = 11; y <= 232; ++y) {
        QVERIFY2(luminance(flask.pixel(5, y)) < 80, qPrintable(QStringLiteral("left wall, row %1").arg(y)));
        QVERIFY2(luminance(flask.pixel(87, y)) < 80, qPrintable(QStringLiteral("right wall, row %1").arg(y)));
        for (int x = 6; x <= 86; ++x) {
            QVERIFY2(luminance(flask.pixel(x, y)) > 120,
                qPrintable(QStringLiteral("glass at %1,%2").arg(x).arg(y)));
            // Glass is the same all the way down, so fluid looks alike at every level.
            QCOMPARE(flask.pixel(x, y), flask.pixel(x, 11));
        }
    }
    for (int x = 5; x <= 87; ++x)
        QVERIFY2(luminance(flask.pixel(x, 233)) < 80, qPrintable(QStringLiteral("bottom, column %1").arg(x)));
    // Glass is lighter in the middle than at the walls.
    QVERIFY(luminance(flask.pixel(46, 100)) > luminance(flask.pixel(6, 100)));
    QVERIFY(luminance(flask.pixel(46, 100)) > luminance(flask.pixel(86, 100)));
}

void tst_ResourcePicture::flaskHasRimAcrossTheTop()
{
    const QImage flask = loadResourcePicture(flaskResourceId, QStringLiteral("Custom"))
                             .convertToFormat(QImage::Format_RGB32);
    for (int x = 5; x <= 87; ++x) {
        bool outlined = false;
        for (int y = 0; y <= 10; ++y)
            outlined = outlined || luminance(flask.pixel(x, y)) < 80;
        QVERIFY2(outlined, qPrintable(QStringLiteral("no rim above column %1").arg(x)));
    }
}

void tst_ResourcePicture::iconIsSixteenColoursSixteenPixels()
{
    const std::optional<QByteArray> found = resourceData(QStringLiteral("FLASKICON"), QStringLiteral("Icon"));
    QVERIFY(found.has_value());
    const QByteArray data = *found;
    // Icon directory with one entry: 16 x 16, 16 colours, 4 bits a pixel.
    QCOMPARE(data.left(6), QByteArray("\0\0\1\0\1\0", 6));
    QCOMPARE(uchar(data.at(6)), uchar(16));
    QCOMPARE(uchar(data.at(7)), uchar(16));
    QCOMPARE(uchar(data.at(8)), uchar(16));
    QCOMPARE(uchar(data.at(12)), uchar(4));
    const QImage image = QImage::fromData(data, "ICO");
    QCOMPARE(image.size(), QSize(16, 16));
}

void tst_ResourcePicture::iconLoadsByNameInAnyCase_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("as named") << "FLASKICON";
    QTest::newRow("lower case") << "flaskicon";
}

void tst_ResourcePicture::iconLoadsByNameInAnyCase()
{
    QFETCH(QString, name);
    const QIcon icon = loadResourceIcon(name);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(16, 16).size(), QSize(16, 16));
}

void tst_ResourcePicture::missingIconIsNull()
{
    QVERIFY(loadResourceIcon(QStringLiteral("NOICON")).isNull());
    QVERIFY(loadResourceIcon(QStringLiteral("../Custom/101")).isNull());
}

QTEST_MAIN(tst_ResourcePicture)
#include "tst_resourcepicture.moc"
