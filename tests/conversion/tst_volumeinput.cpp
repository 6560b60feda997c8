#include "conversion/volumeinput.h"

#include <QTest>

class tst_VolumeInput : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void keysOverSelection_data();
    void keysOverSelection();
    void boxTexts_data();
    void boxTexts();
    void levels_data();
    void levels();
    void levelWritesStepByStep();
    void levelWithoutToSize();
};

void tst_VolumeInput::keys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("digit into empty box") << "" << int('1') << int('1');
    QTest::newRow("nine") << "12" << int('9') << int('9');
    QTest::newRow("point into empty box") << "" << int('.') << int('.');
    QTest::newRow("point after a digit") << "1" << int('.') << int('.');
    QTest::newRow("second point") << "1.5" << int('.') << 0;
    QTest::newRow("point after a leading point") << ".5" << int('.') << 0;
    QTest::newRow("point after blanks and a point") << "  ." << int('.') << 0;
    QTest::newRow("digit after a point") << "1.5" << int('5') << int('5');
    QTest::newRow("letter") << "" << int('a') << 0;
    QTest::newRow("letter after a point") << "1.5" << int('a') << 0;
    QTest::newRow("minus") << "" << int('-') << 0;
    QTest::newRow("plus") << "1" << int('+') << 0;
    QTest::newRow("blank") << "1" << int(' ') << 0;
    QTest::newRow("comma") << "1" << int(',') << 0;
    QTest::newRow("Backspace") << "1.5" << 8 << 8;
    QTest::newRow("Esc") << "" << 27 << 27;
    QTest::newRow("Enter") << "1.5" << 13 << 13;
    QTest::newRow("paste shortcut") << "1" << 22 << 0;
    QTest::newRow("copy shortcut") << "1.5" << 3 << 0;
}

void tst_VolumeInput::keys()
{
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(int, expected);
    QCOMPARE(filterVolumeKey(text, key), expected);
}

void tst_VolumeInput::keysOverSelection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("point over the whole text") << "1.5" << 0 << 3 << int('.') << int('.');
    QTest::newRow("point over the selected point") << "12.5" << 2 << 1 << int('.') << int('.');
    QTest::newRow("point over digits, point kept") << "12.5" << 0 << 2 << int('.') << 0;
    QTest::newRow("point with nothing selected") << "1.5" << 3 << 0 << int('.') << 0;
    QTest::newRow("point over a full box") << "1234567890.12345" << 0 << 16 << int('.') << int('.');
}

void tst_VolumeInput::keysOverSelection()
{
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, key);
    QFETCH(int, expected);
    QCOMPARE(filterVolumeKey(textOutsideSelection(text, selStart, selLength), key), expected);
}

void tst_VolumeInput::boxTexts_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");

    QTest::newRow("number") << "1e5"
                            << "1e5";
    QTest::newRow("blanks and sign") << " +7 "
                                     << " +7 ";
    QTest::newRow("line break after") << "12\r\n"
                                      << "12  ";
    QTest::newRow("NUL inside") << QStringLiteral("1") + QChar(0) + QStringLiteral("2") << "1 2";
    QTest::newRow("tab") << "1\t2"
                         << "1 2";
    QTest::newRow("next line and separators") << QString::fromUtf16(u"3\u0085\u2028\u2029") << "3   ";
}

void tst_VolumeInput::boxTexts()
{
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    QCOMPARE(volumeBoxText(pasted), kept);
}

void tst_VolumeInput::levels_data()
{
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("atLeastOne");
    QTest::addColumn<int>("scaleExponent");
    QTest::addColumn<int>("fractionScaleExponent");
    QTest::addColumn<float>("fromFactor");
    QTest::addColumn<float>("toFactor");
    QTest::addColumn<float>("volume");
    QTest::addColumn<float>("result");
    QTest::addColumn<QString>("volumeText");
    QTest::addColumn<QString>("resultText");

    QTest::newRow("middle of the scale to 100")
        << 125.0f << true << 2 << 0 << 1.0f << 1.0f << 50.0f << 50.0f << "50"
        << "50";
    QTest::newRow("top of the scale to 1") << 18.0f << false << 0 << 0 << 1.0f << 1.0f << 1.0f << 1.0f << "1"
                                           << "1";
    QTest::newRow("zero on the large scale")
        << 232.0f << true << 1 << 0 << 1.0f << 1.0f << 0.0f << 0.0f << "0"
        << "0";
    QTest::newRow("zero on the small scale")
        << 232.0f << false << 0 << 3 << 1.0f << 1.0f << 0.0f << 0.0f << "0"
        << "0";
    QTest::newRow("half of the scale to 0.1")
        << 125.0f << false << 0 << 1 << 1.0f << 1.0f << 0.05f << 0.05f << "0.05"
        << "0.05";
    QTest::newRow("grouped volume on the scale to 10^4")
        << 125.0f << true << 4 << 0 << 1.0f << 1.0f << 5000.0f << 5000.0f << "5,000"
        << "5,000";
    QTest::newRow("fraction of a row on the scale to 10^5")
        << 100.0f << true << 5 << 0 << 1.0f << 1.0f << 61682.24f << 61682.24f << "61,682.24"
        << "61,682.24";
    QTest::newRow("converted with a quarter")
        << 125.0f << true << 2 << 0 << 1.0f << 4.0f << 50.0f << 12.5f << "50"
        << "12.5";
    QTest::newRow("small result uses ten decimals")
        << 125.0f << true << 1 << 0 << 1.0f << 1000.0f << 5.0f << 0.005f << "5"
        << "0.005";
}

void tst_VolumeInput::levels()
{
    QFETCH(float, y);
    QFETCH(bool, atLeastOne);
    QFETCH(int, scaleExponent);
    QFETCH(int, fractionScaleExponent);
    QFETCH(float, fromFactor);
    QFETCH(float, toFactor);
    QFETCH(float, volume);
    QFETCH(float, result);
    QFETCH(QString, volumeText);
    QFETCH(QString, resultText);

    const LevelVolume level = volumeFromLevel(
        y, atLeastOne, qint16(scaleExponent), qint16(fractionScaleExponent), fromFactor, toFactor);
    QCOMPARE(level.dragVolume, volume);
    QVERIFY(level.dragResult.has_value());
    QCOMPARE(*level.dragResult, result);
    QCOMPARE(level.volumeWrites.last(), volumeText);
    QCOMPARE(level.resultWrites.last(), resultText);
}

void tst_VolumeInput::levelWritesStepByStep()
{
    const LevelVolume large = volumeFromLevel(232.0f, true, 1, 0, 1.0f, 1.0f);
    QCOMPARE(large.volumeWrites, (QStringList { "0.0000", "0.000", "0.00", "0.0", "0.", "0" }));

    // A full small scale reads 1 and is written as "1" at once.
    const LevelVolume top = volumeFromLevel(18.0f, false, 0, 0, 1.0f, 1.0f);
    QCOMPARE(top.volumeWrites, (QStringList { "1.0000000000", "1" }));

    const LevelVolume half = volumeFromLevel(125.0f, false, 0, 0, 1.0f, 1.0f);
    QCOMPARE(half.volumeWrites.first(), QStringLiteral("0.5000000000"));
    QCOMPARE(half.volumeWrites.size(), 10);
    QCOMPARE(half.resultWrites.first(), QStringLiteral("0.5000000000"));
    QCOMPARE(half.resultWrites.last(), QStringLiteral("0.5"));
}

void tst_VolumeInput::levelWithoutToSize()
{
    const LevelVolume level = volumeFromLevel(125.0f, true, 2, 0, 1.0f, 0.0f);
    QCOMPARE(level.dragVolume, 50.0f);
    QVERIFY(!level.dragResult.has_value());
    QCOMPARE(level.volumeWrites.last(), QStringLiteral("50"));
    QCOMPARE(level.resultWrites, QStringList { QStringLiteral("No conversion") });

    // An exponent no conversion leaves behind pins the volume to the largest
    // Single instead of an infinity.
    const LevelVolume stale = volumeFromLevel(18.0f, true, 40, 0, 1.0f, 1.0f);
    QCOMPARE(stale.dragVolume, 3.4028235e38f);
    QCOMPARE(
        stale.volumeWrites.last(), QStringLiteral("340,282,300,000,000,000,000,000,000,000,000,000,000"));
    QVERIFY(!stale.dragResult.has_value());
    QCOMPARE(stale.resultWrites, QStringList { QStringLiteral("No conversion") });
}

QTEST_APPLESS_MAIN(tst_VolumeInput)
#include "tst_volumeinput.moc"
