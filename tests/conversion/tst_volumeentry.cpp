#include "conversion/volumeentry.h"

#include "Formkit/commandbutton.h"
#include "Formkit/messagebox.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "conversion/conversion.h"
#include "conversion/volumeinput.h"
#include "formstate/formstate.h"
#include "testsupport/fakeprocedures.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using Formkit::CommandButton;
using Formkit::MessageBox;
using Formkit::PictureBox;
using Formkit::TextBox;

// The volume box wired as the window wires it, on real widgets.
class tst_VolumeEntry : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typingOnePointFive();
    void pointIntoEmptyBox();
    void secondPointDiscarded();
    void discardedKeys_data();
    void discardedKeys();
    void backspaceToEmpty();
    void reportButtons_data();
    void reportButtons();
    void restoreFlagsAreUsedOnce();
    void textThatIsNoNumberLeavesEverything();
    void changesIgnoredWhileNotLive();
    void pastedNumbersThatGiveNoConversion_data();
    void pastedNumbersThatGiveNoConversion();
    void focusSelectsWholeText();
    void typingLimit();
    void startUpConvertsOneUnit();
    void volumeFromLevel_data();
    void volumeFromLevel();
    void volumeFromLevelWritesStepByStep();

private:
    void typeKeys(const QString &keys);

    std::unique_ptr<QWidget> m_window;
    TextBox *m_text1 = nullptr;
    TextBox *m_text2 = nullptr;
    CommandButton *m_save = nullptr;
    CommandButton *m_makeFile = nullptr;
    PictureBox *m_flask = nullptr;
    std::unique_ptr<FormState> m_state;
    std::unique_ptr<FakeProcedures> m_procedures;
    // The sizes of the units "selected" in the From and To lists.
    float m_fromSize = 1.0f;
    float m_toSize = 1.0f;
    std::unique_ptr<Conversion> m_conversion;
    std::unique_ptr<VolumeEntry> m_entry;
    QStringList m_messages;
};

void tst_VolumeEntry::init()
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_text1 = new TextBox;
    m_text2 = new TextBox;
    m_text2->setReadOnly(true);
    m_save = new CommandButton(QStringLiteral("Save"));
    m_makeFile = new CommandButton(QStringLiteral("Make File"));
    m_flask = new PictureBox;
    for (QWidget *w : std::initializer_list<QWidget *> { m_text1, m_text2, m_save, m_makeFile, m_flask })
        layout->addWidget(w);
    m_text1->setMaxLength(volumeTypingLength);
    m_save->setEnabled(false);
    m_makeFile->setEnabled(false);

    m_state = std::make_unique<FormState>();
    m_procedures = std::make_unique<FakeProcedures>();
    m_conversion = std::make_unique<Conversion>(
        *m_state, *m_procedures, ConversionWidgets { m_text1, m_text2, m_flask });
    m_entry = std::make_unique<VolumeEntry>(
        *m_state, *m_procedures, VolumeEntryWidgets { m_text1, m_text2, m_save, m_makeFile });
    // The lookups copy the sizes of the "selected" units; the conversion and
    // the level go to the real objects, as the window hands them on.
    m_fromSize = 1.0f;
    m_toSize = 1.0f;
    m_procedures->onLookupFromFactor = [this] { m_state->fromFactor = m_fromSize; };
    m_procedures->onLookupToFactor = [this] { m_state->toFactor = m_toSize; };
    m_procedures->onUpdateConversion = [this] { m_conversion->updateConversion(); };
    m_procedures->onSetVolumeFromLevel = [this](float y) { m_entry->setVolumeFromLevel(y); };

    VolumeEntry *entry = m_entry.get();
    connect(
        m_text1, &TextBox::keyPress, m_window.get(), [entry](int &keyAscii) { entry->keyPress(keyAscii); });
    connect(m_text1, &TextBox::change, m_window.get(), [entry] { entry->change(); });
    connect(m_text1, &TextBox::gotFocus, m_window.get(), [entry] { entry->gotFocus(); });

    m_messages.clear();
    MessageBox::setHandler([this](const QString &text, const QString &title, MessageBox::Icon) {
        m_messages << title + QLatin1Char('|') + text;
    });
}

void tst_VolumeEntry::cleanup()
{
    MessageBox::setHandler({});
    m_entry.reset();
    m_conversion.reset();
    m_procedures.reset();
    m_window.reset();
    m_state.reset();
}

void tst_VolumeEntry::typeKeys(const QString &keys)
{
    for (QChar c : keys)
        QTest::keyClick(m_text1, c.toLatin1());
}

void tst_VolumeEntry::typingOnePointFive()
{
    QSignalSpy changes(m_text1, &TextBox::change);
    QSignalSpy results(m_text2, &TextBox::change);

    QTest::keyClick(m_text1, Qt::Key_1);
    QVERIFY(m_state->volumeEditLive);
    QCOMPARE(m_text2->text(), QStringLiteral("1"));
    QCOMPARE(m_state->fluidTopRow, 210);

    QTest::keyClick(m_text1, Qt::Key_Period);
    QCOMPARE(m_text1->text(), QStringLiteral("1."));
    QCOMPARE(m_text2->text(), QStringLiteral("1"));
    QVERIFY(m_state->volumeAtLeastOne);

    QTest::keyClick(m_text1, Qt::Key_5);
    QCOMPARE(m_text1->text(), QStringLiteral("1.5"));
    QCOMPARE(m_text2->text(), QStringLiteral("1.5"));
    QCOMPARE(m_state->volumeValue, 1.5f);
    QCOMPARE(m_state->scaleExponent, qint16(1));
    QCOMPARE(m_state->fluidTopRow, 199);

    QCOMPARE(changes.count(), 3);
    QCOMPARE(m_procedures->count(QStringLiteral("updateConversion")), 3);
    QCOMPARE(m_procedures->calls.mid(0, 7),
        (QStringList { "lookupFromFactor", "lookupToFactor", "updateConversion", "update_framestatic(210,10)",
            "showFlask", "drawGraduations(large)", "lookupFromFactor" }));
    QCOMPARE(m_procedures->lastGraduationTarget, m_flask);
    QVERIFY(results.count() >= 3);
    QVERIFY(m_save->isEnabled());
    QVERIFY(!m_makeFile->isEnabled());
    QVERIFY(m_messages.isEmpty());
}

void tst_VolumeEntry::pointIntoEmptyBox()
{
    QTest::keyClick(m_text1, Qt::Key_Period);
    QCOMPARE(m_text1->text(), QStringLiteral("."));
    QCOMPARE(m_text2->text(), QStringLiteral("No conversion"));
    QVERIFY(m_procedures->calls.isEmpty());
    QVERIFY(!m_save->isEnabled());
}

void tst_VolumeEntry::secondPointDiscarded()
{
    typeKeys(QStringLiteral("1.5"));
    QSignalSpy changes(m_text1, &TextBox::change);
    QTest::keyClick(m_text1, Qt::Key_Period);
    QCOMPARE(m_text1->text(), QStringLiteral("1.5"));
    QCOMPARE(changes.count(), 0);

    // Also with the cursor before the first point.
    m_text1->setCursorPosition(0);
    QTest::keyClick(m_text1, Qt::Key_Period);
    QCOMPARE(m_text1->text(), QStringLiteral("1.5"));
}

void tst_VolumeEntry::discardedKeys_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("character");

    QTest::newRow("letter into empty box") << "" << int(Qt::Key_A) << "a";
    QTest::newRow("letter after a point") << "1.5" << int(Qt::Key_X) << "x";
    QTest::newRow("minus") << "12" << int(Qt::Key_Minus) << "-";
    QTest::newRow("plus") << "12" << int(Qt::Key_Plus) << "+";
    QTest::newRow("blank") << "12" << int(Qt::Key_Space) << " ";
    QTest::newRow("comma") << "12" << int(Qt::Key_Comma) << ",";
}

void tst_VolumeEntry::discardedKeys()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(QString, character);

    typeKeys(before);
    m_state->volumeEditLive = false;
    m_text1->setMaxLength(volumeLevelLength);
    QSignalSpy changes(m_text1, &TextBox::change);
    QTest::keyClick(m_text1, Qt::Key(key), Qt::NoModifier);
    QTest::keyClicks(m_text1, character);
    QCOMPARE(m_text1->text(), before);
    QCOMPARE(changes.count(), 0);
    // Every key makes the box live and restores the typing limit, taken or not.
    QVERIFY(m_state->volumeEditLive);
    QCOMPARE(m_text1->maxLength(), volumeTypingLength);
}

void tst_VolumeEntry::backspaceToEmpty()
{
    typeKeys(QStringLiteral("12"));
    const int drawings = m_procedures->count(QStringLiteral("update_framestatic"));

    QTest::keyClick(m_text1, Qt::Key_Backspace);
    QCOMPARE(m_text1->text(), QStringLiteral("1"));
    QCOMPARE(m_text2->text(), QStringLiteral("1"));
    QTest::keyClick(m_text1, Qt::Key_Backspace);
    QCOMPARE(m_text1->text(), QString());
    QCOMPARE(m_text2->text(), QStringLiteral("No conversion"));

    // The empty text changes nothing after the conversion of "1".
    QCOMPARE(m_procedures->count(QStringLiteral("update_framestatic")), drawings + 1);
    QCOMPARE(m_state->volumeValue, 1.0f);
    QCOMPARE(m_state->fluidTopRow, 210);
    QVERIFY(m_messages.isEmpty());
}

void tst_VolumeEntry::reportButtons_data()
{
    QTest::addColumn<bool>("gridHasRows");
    QTest::addColumn<int>("keepSave");
    QTest::addColumn<int>("keepMakeFile");
    QTest::addColumn<bool>("saveEnabled");
    QTest::addColumn<bool>("makeFileEnabled");
    QTest::addColumn<int>("keepSaveAfter");
    QTest::addColumn<int>("keepMakeFileAfter");

    QTest::newRow("nothing saved yet") << false << 0 << 0 << true << false << 0 << 0;
    QTest::newRow("a conversion saved") << true << 0 << 0 << true << true << 0 << 0;
    QTest::newRow("Save was disabled at restore") << false << 1 << 0 << false << false << 0 << 0;
    QTest::newRow("Make File was disabled at restore") << true << 0 << 1 << true << false << 0 << 0;
    QTest::newRow("both disabled at restore") << true << 1 << 1 << false << false << 0 << 0;
    QTest::newRow("Make File flag kept while nothing is saved") << false << 0 << 1 << true << false << 0 << 1;
}

void tst_VolumeEntry::reportButtons()
{
    QFETCH(bool, gridHasRows);
    QFETCH(int, keepSave);
    QFETCH(int, keepMakeFile);
    QFETCH(bool, saveEnabled);
    QFETCH(bool, makeFileEnabled);
    QFETCH(int, keepSaveAfter);
    QFETCH(int, keepMakeFileAfter);

    m_save->setEnabled(!saveEnabled);
    m_makeFile->setEnabled(!makeFileEnabled);
    m_state->gridHasRows = gridHasRows;
    m_state->keepSaveDisabled = qint16(keepSave);
    m_state->keepMakeFileDisabled = qint16(keepMakeFile);

    QTest::keyClick(m_text1, Qt::Key_7);
    QCOMPARE(m_save->isEnabled(), saveEnabled);
    QCOMPARE(m_makeFile->isEnabled(), makeFileEnabled);
    QCOMPARE(m_state->keepSaveDisabled, qint16(keepSaveAfter));
    QCOMPARE(m_state->keepMakeFileDisabled, qint16(keepMakeFileAfter));
}

void tst_VolumeEntry::restoreFlagsAreUsedOnce()
{
    m_state->gridHasRows = true;
    m_state->keepSaveDisabled = 1;
    m_state->keepMakeFileDisabled = 1;
    QTest::keyClick(m_text1, Qt::Key_2);
    QVERIFY(!m_save->isEnabled());
    QVERIFY(!m_makeFile->isEnabled());
    QTest::keyClick(m_text1, Qt::Key_5);
    QVERIFY(m_save->isEnabled());
    QVERIFY(m_makeFile->isEnabled());
}

void tst_VolumeEntry::textThatIsNoNumberLeavesEverything()
{
    typeKeys(QStringLiteral("3"));
    m_save->setEnabled(false);
    m_state->keepSaveDisabled = 1;
    const QStringList calls = m_procedures->calls;

    // Only a paste can bring letters into the box.
    m_text1->setText(QStringLiteral("3 cups"));
    QCOMPARE(m_text2->text(), QStringLiteral("No conversion"));
    QCOMPARE(m_procedures->calls, calls);
    QVERIFY(!m_save->isEnabled());
    QCOMPARE(m_state->keepSaveDisabled, qint16(1));
    QCOMPARE(m_state->volumeValue, 3.0f);
}

void tst_VolumeEntry::changesIgnoredWhileNotLive()
{
    m_text2->setText(QStringLiteral("before"));
    m_text1->setText(QStringLiteral("5"));
    m_text1->setText(QStringLiteral("abc"));
    QCOMPARE(m_text2->text(), QStringLiteral("before"));
    QVERIFY(m_procedures->calls.isEmpty());
    QVERIFY(!m_save->isEnabled());
}

void tst_VolumeEntry::pastedNumbersThatGiveNoConversion_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("toSize");

    QTest::newRow("negative below 1") << "-0.5" << 1.0f;
    QTest::newRow("negative whole number") << "-25" << 1.0f;
    QTest::newRow("To unit of size 0") << "2" << 0.0f;
    QTest::newRow("volume beyond a single") << "1e39" << 1.0f;
    QTest::newRow("result beyond a single") << "3e37" << 1e-3f;
}

void tst_VolumeEntry::pastedNumbersThatGiveNoConversion()
{
    QFETCH(QString, text);
    QFETCH(float, toSize);

    typeKeys(QStringLiteral("4"));
    m_save->setEnabled(false);
    m_toSize = toSize;
    m_procedures->calls.clear();

    m_text1->setText(text);
    QCOMPARE(m_text2->text(), QStringLiteral("No conversion"));
    QCOMPARE(m_procedures->count(QStringLiteral("updateConversion")), 0);
    QCOMPARE(m_procedures->count(QStringLiteral("update_framestatic")), 0);
    QVERIFY(!m_save->isEnabled());
    QCOMPARE(m_state->volumeValue, 4.0f);
    QCOMPARE(m_state->fluidTopRow, 146); // the fluid of "4" on the scale to 10
    QVERIFY(m_messages.isEmpty());
}

void tst_VolumeEntry::focusSelectsWholeText()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_save->setEnabled(true);
    m_save->setFocus();
    m_text1->setText(QStringLiteral("123.5"));
    m_text1->setCursorPosition(2);

    m_text1->setFocus(Qt::OtherFocusReason);
    QVERIFY(m_text1->hasFocus());
    QCOMPARE(m_text1->selStart(), 0);
    QCOMPARE(m_text1->selLength(), 5);

    // So typing replaces the whole volume.
    QTest::keyClick(m_text1, Qt::Key_9);
    QCOMPARE(m_text1->text(), QStringLiteral("9"));
}

void tst_VolumeEntry::typingLimit()
{
    typeKeys(QStringLiteral("12345678901234567890"));
    QCOMPARE(m_text1->text(), QStringLiteral("1234567890123456"));

    // A dragged volume may be longer; the next key brings the limit back.
    m_state->volumeAtLeastOne = false;
    m_entry->setVolumeFromLevel(100.0f);
    QCOMPARE(m_text1->maxLength(), volumeLevelLength);
    QTest::keyClick(m_text1, Qt::Key_End);
    QTest::keyClick(m_text1, Qt::Key_Backspace);
    QCOMPARE(m_text1->maxLength(), volumeTypingLength);
}

void tst_VolumeEntry::startUpConvertsOneUnit()
{
    // Load puts "1" in the box before the box is live; the start-up timer then
    // clears it and sets "1" again with the box live.
    m_fromSize = 0.003785411784f; // a US gallon in cubic metres
    m_toSize = 0.001f; // a litre
    m_text1->setText(QStringLiteral("1"));
    QVERIFY(m_procedures->calls.isEmpty());

    m_state->volumeEditLive = true;
    m_text1->setText(QString());
    m_text1->setText(QStringLiteral("1"));
    QCOMPARE(m_text2->text(), QStringLiteral("3.7854"));
    QVERIFY(m_save->isEnabled());
    QVERIFY(!m_makeFile->isEnabled());
    QCOMPARE(m_procedures->count(QStringLiteral("drawGraduations(large)")), 1);
    QVERIFY(m_messages.isEmpty());
}

void tst_VolumeEntry::volumeFromLevel_data()
{
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("atLeastOne");
    QTest::addColumn<int>("scaleExponent");
    QTest::addColumn<int>("fractionScaleExponent");
    QTest::addColumn<QString>("volumeText");
    QTest::addColumn<QString>("resultText");
    QTest::addColumn<float>("dragVolume");

    QTest::newRow("row 125 on the scale to 100") << 125.0f << true << 2 << 0 << "50"
                                                 << "50" << 50.0f;
    QTest::newRow("row 18 on the scale to 1") << 18.0f << false << 0 << 0 << "1"
                                              << "1" << 1.0f;
    QTest::newRow("row 232 on the large scale") << 232.0f << true << 3 << 0 << "0"
                                                << "0" << 0.0f;
    QTest::newRow("row 232 on the small scale") << 232.0f << false << 0 << 2 << "0"
                                                << "0" << 0.0f;
    QTest::newRow("grouped volume on the scale to 10^4") << 125.0f << true << 4 << 0 << "5,000"
                                                         << "5,000" << 5000.0f;
}

void tst_VolumeEntry::volumeFromLevel()
{
    QFETCH(float, y);
    QFETCH(bool, atLeastOne);
    QFETCH(int, scaleExponent);
    QFETCH(int, fractionScaleExponent);
    QFETCH(QString, volumeText);
    QFETCH(QString, resultText);
    QFETCH(float, dragVolume);

    m_state->fromFactor = 1.0f;
    m_state->toFactor = 1.0f;
    m_state->volumeAtLeastOne = atLeastOne;
    m_state->scaleExponent = qint16(scaleExponent);
    m_state->fractionScaleExponent = qint16(fractionScaleExponent);
    m_state->fluidTopRow = 77;
    m_state->volumeEditLive = false; // the drag cleared it
    m_save->setEnabled(false);

    m_entry->setVolumeFromLevel(y);
    QCOMPARE(m_text1->text(), volumeText);
    QCOMPARE(m_text2->text(), resultText);
    QCOMPARE(m_state->dragVolume, dragVolume);
    QCOMPARE(m_state->dragResult, dragVolume);
    // No conversion runs and nothing of the last one changes.
    QVERIFY(m_procedures->calls.isEmpty());
    QCOMPARE(m_state->fluidTopRow, 77);
    QCOMPARE(m_state->scaleExponent, qint16(scaleExponent));
    QVERIFY(!m_save->isEnabled());

    // The grouped text's leading number picks the path at the next conversion
    // (a fluid option click), and the path for 1 or more reads it in full.
    if (volumeText == QStringLiteral("5,000")) {
        m_conversion->updateConversion();
        QCOMPARE(m_state->volumeValue, 5000.0f);
        QCOMPARE(m_state->scaleExponent, qint16(4));
    }
}

void tst_VolumeEntry::volumeFromLevelWritesStepByStep()
{
    m_state->fromFactor = 1.0f;
    m_state->toFactor = 4.0f;
    m_state->volumeAtLeastOne = true;
    m_state->scaleExponent = 2;
    QSignalSpy volumeWrites(m_text1, &TextBox::change);
    QSignalSpy resultWrites(m_text2, &TextBox::change);

    m_entry->setVolumeFromLevel(125.0f);
    // "50.0000" then one character less at a time down to "50".
    QCOMPARE(volumeWrites.count(), 6);
    QCOMPARE(m_text2->text(), QStringLiteral("12.5"));
    QCOMPARE(resultWrites.count(), 4);
    QCOMPARE(m_state->dragResult, 12.5f);

    // Without a To size there is no result to show.
    m_state->toFactor = 0.0f;
    m_entry->setVolumeFromLevel(18.0f);
    QCOMPARE(m_text1->text(), QStringLiteral("100"));
    QCOMPARE(m_text2->text(), QStringLiteral("No conversion"));
    QCOMPARE(m_state->dragVolume, 100.0f);
    QCOMPARE(m_state->dragResult, 12.5f);
}

QTEST_MAIN(tst_VolumeEntry)
#include "tst_volumeentry.moc"
