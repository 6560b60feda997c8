#include "dragdata.h"

#include <QTest>

class tst_DragData final : public QObject
{
    Q_OBJECT

private slots:
    void promisedFormatIsAskedForOnce();
    void dataGivenAtOnceNeedsNoSupplier();
    void formatNumbers_data();
    void formatNumbers();
};

void tst_DragData::promisedFormatIsAskedForOnce()
{
    int asked = 0;
    int askedFormat = -1;
    DragData data([&](DragData *promised, int &format) {
        ++asked;
        askedFormat = format;
        promised->setData(QStringLiteral("text/plain"), "Brimlow");
    });
    data.setData(QStringLiteral("text/plain"), QByteArray()); // promised, not given
    QCOMPARE(asked, 0);
    QCOMPARE(data.text(), QStringLiteral("Brimlow"));
    QCOMPARE(asked, 1);
    QCOMPARE(askedFormat, 1);
    QCOMPARE(data.text(), QStringLiteral("Brimlow"));
    QCOMPARE(asked, 1);
}

void tst_DragData::dataGivenAtOnceNeedsNoSupplier()
{
    int asked = 0;
    DragData data([&](DragData *, int &) { ++asked; });
    data.setText(QStringLiteral("now"));
    QCOMPARE(data.text(), QStringLiteral("now"));
    QVERIFY(!data.hasFormat(QStringLiteral("text/uri-list")));
    QCOMPARE(data.data(QStringLiteral("text/uri-list")), QByteArray());
    QCOMPARE(asked, 0);
}

void tst_DragData::formatNumbers_data()
{
    QTest::addColumn<QString>("mimeType");
    QTest::addColumn<int>("number");
    QTest::newRow("text") << QStringLiteral("text/plain") << 1;
    QTest::newRow("bitmap") << QStringLiteral("image/bmp") << 2;
    QTest::newRow("files") << QStringLiteral("text/uri-list") << 15;
    QTest::newRow("other") << QStringLiteral("application/x-brimlow") << 0;
}

void tst_DragData::formatNumbers()
{
    QFETCH(QString, mimeType);
    QFETCH(int, number);
    QCOMPARE(DragData::formatNumber(mimeType), number);
}

QTEST_APPLESS_MAIN(tst_DragData)
#include "tst_dragdata.moc"
