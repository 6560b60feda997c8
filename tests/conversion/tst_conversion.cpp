#include "conversion/conversion.h"

#include "Formkit/commandbutton.h"
#include "Formkit/messagebox.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
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

// Both conversion paths on real widgets, as the volume box, the unit boxes and
// the fluid options run them through updateConversion.
class tst_Conversion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void workedCases_data();
    void workedCases();
    void drawsAfterWriting();
    void otherPathKeepsItsExponent();
    void resultWrittenStepByStep();
    void rejectedVolume_data();
    void rejectedVolume();
    void unitWithoutSize_data();
    void unitWithoutSize();
    void focusRuleOfEachPath_data();
    void focusRuleOfEachPath();

private:
    std::unique_ptr<QWidget> m_window;
    TextBox *m_text1 = nullptr;
    TextBox *m_text2 = nullptr;
    CommandButton *m_other = nullptr;
    PictureBox *m_flask = nullptr;
    std::unique_ptr<FormState> m_state;
    std::unique_ptr<FakeProcedures> m_procedures;
    std::unique_ptr<Conversion> m_conversion;
    QStringList m_messages;
};

void tst_Conversion::init()
{
    m_window = std::make_unique<QWidget>();
    auto *layout = new QVBoxLayout(m_window.get());
    m_text1 = new TextBox;
    m_text2 = new TextBox;
    m_text2->setReadOnly(true);
    m_other = new CommandButton(QStringLiteral("Swap Units"));
    m_flask = new PictureBox;
    for (QWidget *w : std::initializer_list<QWidget *> { m_text1, m_text2, m_other, m_flask })
        layout->addWidget(w);

    m_state = std::make_unique<FormState>();
    m_state->fromFactor = 1.0f;
    m_state->toFactor = 1.0f;
    m_procedures = std::make_unique<FakeProcedures>();
    m_conversion = std::make_unique<Conversion>(
        *m_state, *m_procedures, ConversionWidgets { m_text1, m_text2, m_flask });
    m_procedures->onUpdateConversion = [this] { m_conversion->updateConversion(); };

    m_messages.clear();
    MessageBox::setHandler([this](const QString &text, const QString &title, MessageBox::Icon icon) {
        QCOMPARE(icon, MessageBox::Icon::Information);
        m_messages << title + QLatin1Char('|') + text;
    });
}

void tst_Conversion::cleanup()
{
    MessageBox::setHandler({});
    m_conversion.reset();
    m_procedures.reset();
    m_window.reset();
    m_state.reset();
}

void tst_Conversion::workedCases_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("atLeastOne");
    QTest::addColumn<int>("scaleExponent");
    QTest::addColumn<int>("fractionScaleExponent");
    QTest::addColumn<float>("levelFraction");
    QTest::addColumn<int>("fluidTopRow");
    QTest::addColumn<float>("volumeValue");

    QTest::newRow("1") << "1"
                       << "1" << true << 1 << 0 << 0.1f << 210 << 1.0f;
    QTest::newRow("0.5") << "0.5"
                         << "0.5" << false << 0 << 0 << 0.5f << 125 << 0.5f;
    QTest::newRow("0.05") << "0.05"
                          << "0.05" << false << 0 << 1 << 0.5f << 125 << 0.05f;
    QTest::newRow("9.4") << "9.4"
                         << "9.4" << true << 1 << 0 << 0.94f << 30 << 9.4f;
    QTest::newRow("9.6") << "9.6"
                         << "9.6" << true << 2 << 0 << 0.096f << 211 << 9.6f;
    QTest::newRow("0") << "0"
                       << "0" << false << 0 << 0 << 0.0f << 232 << 0.0f;
    QTest::newRow("1.006 converts as 1.01") << "1.006"
                                            << "1.01" << true << 1 << 0 << 0.101f << 210 << 1.01f;
    QTest::newRow("0.006 at full precision") << "0.006"
                                             << "0.006" << false << 0 << 2 << 0.6f << 103 << 0.006f;
    QTest::newRow("2500000000") << "2500000000"
                                << "2,500,000,000" << true << 10 << 0 << 0.25f << 178 << 2.5e9f;
}

void tst_Conversion::workedCases()
{
    QFETCH(QString, volume);
    QFETCH(QString, result);
    QFETCH(bool, atLeastOne);
    QFETCH(int, scaleExponent);
    QFETCH(int, fractionScaleExponent);
    QFETCH(float, levelFraction);
    QFETCH(int, fluidTopRow);
    QFETCH(float, volumeValue);

    m_text1->setText(volume);
    m_conversion->updateConversion();

    QCOMPARE(m_text2->text(), result);
    QCOMPARE(m_state->volumeAtLeastOne, atLeastOne);
    QCOMPARE(m_state->scaleExponent, qint16(scaleExponent));
    QCOMPARE(m_state->fractionScaleExponent, qint16(fractionScaleExponent));
    QCOMPARE(m_state->levelFraction, levelFraction);
    QCOMPARE(m_state->fluidTopRow, fluidTopRow);
    QCOMPARE(m_state->volumeValue, volumeValue);
    QCOMPARE(m_state->resultValue, volumeValue);
    QCOMPARE(m_procedures->calls,
        (QStringList { QStringLiteral("update_framestatic(%1,10)").arg(fluidTopRow), "showFlask",
            atLeastOne ? "drawGraduations(large)" : "drawGraduations(small)" }));
    QCOMPARE(m_procedures->lastGraduationTarget, m_flask);
    QVERIFY(m_messages.isEmpty());
}

void tst_Conversion::drawsAfterWriting()
{
    // The flask is drawn from the state the path has just written.
    int rowWhenDrawn = -1;
    QString resultWhenDrawn;
    m_procedures->onUpdateFramestatic = [&](int, int) {
        rowWhenDrawn = m_state->fluidTopRow;
        resultWhenDrawn = m_text2->text();
    };
    m_text1->setText(QStringLiteral("0.05"));
    m_conversion->updateConversion();
    QCOMPARE(rowWhenDrawn, 125);
    QCOMPARE(resultWhenDrawn, QStringLiteral("0.05"));
}

void tst_Conversion::otherPathKeepsItsExponent()
{
    m_text1->setText(QStringLiteral("350"));
    m_conversion->updateConversion();
    QCOMPARE(m_state->scaleExponent, qint16(3));

    m_text1->setText(QStringLiteral("0.005"));
    m_conversion->updateConversion();
    QCOMPARE(m_state->fractionScaleExponent, qint16(2));
    QCOMPARE(m_state->scaleExponent, qint16(3));
    QVERIFY(!m_state->volumeAtLeastOne);

    m_text1->setText(QStringLiteral("42"));
    m_conversion->updateConversion();
    QCOMPARE(m_state->scaleExponent, qint16(2));
    QCOMPARE(m_state->fractionScaleExponent, qint16(2));
    QVERIFY(m_state->volumeAtLeastOne);
}

void tst_Conversion::resultWrittenStepByStep()
{
    m_state->toFactor = 4.0f;
    m_text1->setText(QStringLiteral("10"));
    QSignalSpy writes(m_text2, &TextBox::change);
    m_conversion->updateConversion();
    // "2.5000", "2.500", "2.50", "2.5"
    QCOMPARE(writes.count(), 4);
    QCOMPARE(m_text2->text(), QStringLiteral("2.5"));
    QCOMPARE(m_state->resultValue, 2.5f);
}

void tst_Conversion::rejectedVolume_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<float>("toFactor");
    QTest::addColumn<QString>("reason");

    const QString onePoint
        = QStringLiteral("Please enter a valid number for volume.\r\nUse only one decimal point.");
    QTest::newRow("empty box") << "" << 1.0f << QStringLiteral("Please enter a volume.");
    QTest::newRow("lone point") << "." << 1.0f << QStringLiteral("Please enter a valid number for volume.");
    QTest::newRow("two points") << "1.2.3" << 1.0f << onePoint;
    QTest::newRow("pasted negative")
        << "-0.5" << 1.0f
        << QStringLiteral("Please enter a valid number for volume.\r\nA volume cannot be less than zero.");
    QTest::newRow("result beyond a single")
        << "3e37" << 1e-3f
        << QStringLiteral("Please enter a smaller volume.\r\nIts converted volume is too large to show.");
    QTest::newRow("scale beyond a single")
        << "2e38" << 1.0f
        << QStringLiteral(
               "Please enter a valid number for volume.\r\nThe volume is too large: use less than 1E+38.");
}

void tst_Conversion::rejectedVolume()
{
    QFETCH(QString, volume);
    QFETCH(float, toFactor);
    QFETCH(QString, reason);

    m_text1->setText(QStringLiteral("7"));
    m_conversion->updateConversion();
    const FormState before = *m_state;
    m_procedures->calls.clear();

    m_state->toFactor = toFactor;
    m_text1->setText(volume);
    m_conversion->updateConversion();

    QCOMPARE(m_messages, QStringList { QStringLiteral("Data Entry|") + reason });
    QCOMPARE(m_text2->text(), QStringLiteral("7"));
    QVERIFY(m_procedures->calls.isEmpty());
    QCOMPARE(m_state->volumeValue, before.volumeValue);
    QCOMPARE(m_state->resultValue, before.resultValue);
    QCOMPARE(m_state->levelFraction, before.levelFraction);
    QCOMPARE(m_state->fluidTopRow, before.fluidTopRow);
    QCOMPARE(m_state->scaleExponent, before.scaleExponent);
    QCOMPARE(m_state->fractionScaleExponent, before.fractionScaleExponent);
    QCOMPARE(m_state->volumeAtLeastOne, before.volumeAtLeastOne);
}

void tst_Conversion::unitWithoutSize_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<bool>("fromSide");

    QTest::newRow("To unit, volume above 1") << "5" << false;
    QTest::newRow("To unit, volume below 1") << "0.5" << false;
    QTest::newRow("From unit") << "5" << true;
}

void tst_Conversion::unitWithoutSize()
{
    QFETCH(QString, volume);
    QFETCH(bool, fromSide);

    m_text1->setText(QStringLiteral("7"));
    m_conversion->updateConversion();
    const FormState before = *m_state;
    m_procedures->calls.clear();

    // A failed lookup leaves a size of 0: no result, and the volume is not to blame.
    (fromSide ? m_state->fromFactor : m_state->toFactor) = 0.0f;
    m_text1->setText(volume);
    m_conversion->updateConversion();

    QVERIFY(m_messages.isEmpty());
    QCOMPARE(m_text2->text(), QStringLiteral("No conversion"));
    QVERIFY(m_procedures->calls.isEmpty());
    QCOMPARE(m_state->volumeValue, before.volumeValue);
    QCOMPARE(m_state->resultValue, before.resultValue);
    QCOMPARE(m_state->fluidTopRow, before.fluidTopRow);
}

void tst_Conversion::focusRuleOfEachPath_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<bool>("focusOnVolume");

    QTest::newRow("path for 1 or more moves the focus") << "1.2.3" << true;
    QTest::newRow("path below 1 leaves it") << "" << false;
}

void tst_Conversion::focusRuleOfEachPath()
{
    QFETCH(QString, volume);
    QFETCH(bool, focusOnVolume);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_other->setFocus();
    QVERIFY(m_other->hasFocus());

    m_text1->setText(volume);
    m_conversion->updateConversion();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_text1->hasFocus(), focusOnVolume);
    QCOMPARE(m_other->hasFocus(), !focusOnVolume);
}

QTEST_MAIN(tst_Conversion)
#include "tst_conversion.moc"
