#include "Formkit/filepropertybag.h"

#include "../results/filesizelimit.h"
#include "testsupport/tempfolder.h"

#include <QDir>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QTest>

using Formkit::FilePropertyBag;

class tst_FilePropertyBag final : public QObject
{
    Q_OBJECT

private slots:
    void valuesComeBackWithTheirTypes_data();
    void valuesComeBackWithTheirTypes();
    void picturesComeBackAsImages();
    void namesMatchWithoutCase();
    void defaultsAreNotStored();
    void unstorableValuesAreRefused_data();
    void unstorableValuesAreRefused();
    void damagedTextsSayWhereAndKeepTheBag_data();
    void damagedTextsSayWhereAndKeepTheBag();
    void readsWindowsLineEndsAndBlankLines();
    void fileThatCannotBeReadIsNamed();
    void fileRoundTrip();
    void saveOnAFullDiskFailsAndKeepsTheOldFile();
    void bagsOfTheFirstVersionRead();
};

void tst_FilePropertyBag::valuesComeBackWithTheirTypes_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("long") << QVariant(-123456);
    QTest::newRow("system colour given unsigned") << QVariant(0x80000012u);
    QTest::newRow("single") << QVariant(0.1f);
    QTest::newRow("single large") << QVariant(3.4e38f);
    QTest::newRow("double") << QVariant(1.0 / 3.0);
    QTest::newRow("true") << QVariant(true);
    QTest::newRow("false") << QVariant(false);
    QTest::newRow("text with quotes and breaks") << QVariant(QStringLiteral("a \"b\"\\\nc\r\td = e"));
    QTest::newRow("text in other scripts") << QVariant(QStringLiteral("Größe ½ л"));
    QTest::newRow("font") << QVariant(QFont(QStringLiteral("Serif"), 9, QFont::Bold, true));
}

void tst_FilePropertyBag::valuesComeBackWithTheirTypes()
{
    QFETCH(QVariant, value);
    FilePropertyBag out;
    QCOMPARE(out.writeProperty(QStringLiteral("Value"), value, QVariant()).number, 0);
    FilePropertyBag in;
    QCOMPARE(in.readText(out.text()), QString());
    const QVariant back = in.readProperty(QStringLiteral("Value"), QVariant());
    if (value.typeId() == QMetaType::UInt)
        QCOMPARE(back, QVariant(qint32(value.toUInt())));
    else
        QCOMPARE(back, value);
}

void tst_FilePropertyBag::picturesComeBackAsImages()
{
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(qRgb(190, 190, 190));
    image.setPixel(1, 2, qRgb(1, 2, 3));
    FilePropertyBag out;
    QCOMPARE(out.writeProperty(QStringLiteral("Picture"), QPixmap::fromImage(image), QVariant()).number, 0);
    FilePropertyBag in;
    QCOMPARE(in.readText(out.text()), QString());
    const QVariant back = in.readProperty(QStringLiteral("picture"), QVariant());
    QCOMPARE(back.typeId(), QMetaType::QImage);
    QCOMPARE(back.value<QImage>().convertToFormat(QImage::Format_RGB32), image);
}

void tst_FilePropertyBag::namesMatchWithoutCase()
{
    FilePropertyBag bag;
    QCOMPARE(bag.readText("FormkitPropertyBag 2\ntransparentcolor = Long 12500670\n"), QString());
    QCOMPARE(bag.readProperty(QStringLiteral("TransparentColor"), 0), QVariant(12500670));
    bag.writeProperty(QStringLiteral("TRANSPARENTCOLOR"), 5, 0);
    QCOMPARE(bag.names(), QStringList { QStringLiteral("transparentcolor") });
    QCOMPARE(bag.readProperty(QStringLiteral("TransparentColor"), 0), QVariant(5));
}

void tst_FilePropertyBag::defaultsAreNotStored()
{
    FilePropertyBag bag;
    bag.writeProperty(QStringLiteral("DrawMode"), 13, 13);
    QCOMPARE(bag.names(), QStringList());
    bag.writeProperty(QStringLiteral("DrawMode"), 7, 13);
    bag.writeProperty(QStringLiteral("drawmode"), 13, 13); // back to the default: gone
    QCOMPARE(bag.names(), QStringList());
    QCOMPARE(bag.text(), QByteArray("FormkitPropertyBag 2\n"));
    QCOMPARE(bag.readProperty(QStringLiteral("DrawMode"), 13), QVariant(13));
}

void tst_FilePropertyBag::unstorableValuesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("error");
    QTest::newRow("a list") << "Value" << QVariant(QStringList { "a" }) << 13;
    QTest::newRow("a null picture") << "Picture" << QVariant(QPixmap()) << 13;
    QTest::newRow("a name with a blank") << "Two words" << QVariant(1) << 5;
    QTest::newRow("a name with an equals sign") << "a=b" << QVariant(1) << 5;
    QTest::newRow("an empty name") << "" << QVariant(1) << 5;
}

void tst_FilePropertyBag::unstorableValuesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);
    QFETCH(int, error);
    FilePropertyBag bag;
    QCOMPARE(bag.writeProperty(name, value, QVariant(0)).number, error);
    QCOMPARE(bag.names(), QStringList());
}

void tst_FilePropertyBag::damagedTextsSayWhereAndKeepTheBag_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray() << "line 1: not a property bag (the file is empty)";
    QTest::newRow("another heading") << QByteArray(
        "VERSION 5.00\n") << "line 1: not a property bag (the first line is not \"FormkitPropertyBag 2\")";
    QTest::newRow("no equals sign") << QByteArray("FormkitPropertyBag 2\nA Long 1\n")
                                    << "line 2: \"name = type value\" was expected";
    QTest::newRow("bad name") << QByteArray("FormkitPropertyBag 2\n1A = Long 1\n")
                              << "line 2: a name is letters, digits and underscores";
    QTest::newRow("no value") << QByteArray("FormkitPropertyBag 2\nA = Long\n")
                              << "line 2: \"A\" has no value";
    QTest::newRow("unknown type") << QByteArray("FormkitPropertyBag 2\nA = Currency 1\n")
                                  << "line 2: \"A\": unknown type \"Currency\"";
    QTest::newRow("long too large") << QByteArray("FormkitPropertyBag 2\nA = Long 2147483648\n")
                                    << "line 2: \"A\": not a whole number of 32 bits";
    QTest::newRow("single not finite") << QByteArray("FormkitPropertyBag 2\nA = Single 1e39\n")
                                       << "line 2: \"A\": not a single-precision number";
    QTest::newRow("boolean spelled otherwise") << QByteArray("FormkitPropertyBag 2\nA = Boolean -1\n")
                                               << "line 2: \"A\": a Boolean is True or False";
    QTest::newRow("unclosed text") << QByteArray("FormkitPropertyBag 2\nA = String \"abc\n")
                                   << "line 2: \"A\": a text in double quotes was expected";
    QTest::newRow("unknown escape") << QByteArray("FormkitPropertyBag 2\nA = String \"a\\qb\"\n")
                                    << "line 2: \"A\": a text in double quotes was expected";
    QTest::newRow("empty font") << QByteArray("FormkitPropertyBag 2\nA = Font \"\"\n")
                                << "line 2: \"A\": not a font description";
    QTest::newRow("picture not base 64") << QByteArray("FormkitPropertyBag 2\nA = Picture ***\n")
                                         << "line 2: \"A\": not a PNG picture in base 64";
    QTest::newRow("picture not a png") << QByteArray("FormkitPropertyBag 2\nA = Picture QUJD\n")
                                       << "line 2: \"A\": not a PNG picture in base 64";
    QTest::newRow("error after good lines") << QByteArray("FormkitPropertyBag 2\nA = Long 1\n\nB = Long x\n")
                                            << "line 4: \"B\": not a whole number of 32 bits";
}

void tst_FilePropertyBag::damagedTextsSayWhereAndKeepTheBag()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    FilePropertyBag bag;
    bag.writeProperty(QStringLiteral("Kept"), 42, 0);
    QCOMPARE(bag.readText(text), error);
    QCOMPARE(bag.names(), QStringList { QStringLiteral("Kept") });
    QCOMPARE(bag.readProperty(QStringLiteral("Kept"), 0), QVariant(42));
}

void tst_FilePropertyBag::readsWindowsLineEndsAndBlankLines()
{
    FilePropertyBag bag;
    bag.writeProperty(QStringLiteral("Gone"), 1, 0);
    QCOMPARE(
        bag.readText("FormkitPropertyBag 2\r\n\r\n  Moveable  =  Boolean   True  \r\nMoveStyle = Long 2"),
        QString());
    QCOMPARE(bag.names(), (QStringList { QStringLiteral("Moveable"), QStringLiteral("MoveStyle") }));
    QCOMPARE(bag.readProperty(QStringLiteral("moveable"), false), QVariant(true));
    QCOMPARE(bag.readProperty(QStringLiteral("MoveStyle"), 0), QVariant(2));
}

void tst_FilePropertyBag::fileThatCannotBeReadIsNamed()
{
    TempFolder folder;
    const QString missing = folder.filePath(QStringLiteral("missing.bag"));
    FilePropertyBag bag;
    QVERIFY(bag.load(missing).startsWith(missing + QStringLiteral(" cannot be read: ")));
    const QString damaged = folder.write(QStringLiteral("damaged.bag"), "FormkitPropertyBag 2\nA = Long\n");
    QVERIFY(!damaged.isEmpty());
    QCOMPARE(bag.load(damaged), damaged + QStringLiteral(", line 2: \"A\" has no value"));
    QVERIFY(bag.save(folder.filePath(QStringLiteral("no/such/folder/x.bag")))
                .contains(QStringLiteral("cannot be written")));
}

void tst_FilePropertyBag::fileRoundTrip()
{
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("Lumivane1.bag"));
    FilePropertyBag out;
    out.writeProperty(QStringLiteral("TransparentColor"), 0x00BEBEBE, qint32(0x8000000F));
    out.writeProperty(QStringLiteral("ScaleWidth"), 1380.0f, 8145.0f);
    out.writeProperty(QStringLiteral("Font"), QFont(QStringLiteral("Sans"), 8), QFont());
    QCOMPARE(out.save(path), QString());
    FilePropertyBag in;
    QCOMPARE(in.load(path), QString());
    QCOMPARE(in.names(), out.names());
    QCOMPARE(in.text(), out.text());
}

void tst_FilePropertyBag::saveOnAFullDiskFailsAndKeepsTheOldFile()
{
    TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("Lumivane1.bag"));
    FilePropertyBag bag;
    bag.writeProperty(QStringLiteral("TransparentColor"), 0x00BEBEBE, 0);
    QCOMPARE(bag.save(path), QString());
    const QByteArray before = readFile(path);
    bag.writeProperty(QStringLiteral("ToolTipText"), QString(9000, QLatin1Char('x')), QString());
    QString failure;
    {
        FileSizeLimit full(4096);
        QVERIFY(full.isActive());
        failure = bag.save(path);
    }
    QVERIFY(failure.contains(path));
    QCOMPARE(readFile(path), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "Lumivane1.bag" });
}

void tst_FilePropertyBag::bagsOfTheFirstVersionRead()
{
    // Bags written by the runtime's first version carry the old heading; they
    // read as they were, and are written back with the new one.
    FilePropertyBag bag;
    QCOMPARE(bag.readText("BrimlowPropertyBag 1\nMoveStyle = Long 2\n"), QString());
    QCOMPARE(bag.readProperty(QStringLiteral("MoveStyle"), 0), QVariant(2));
    QCOMPARE(bag.text(), QByteArray("FormkitPropertyBag 2\nMoveStyle = Long 2\n"));
}

QTEST_MAIN(tst_FilePropertyBag)
#include "tst_filepropertybag.moc"
