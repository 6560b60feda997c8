// One keystroke in the volume box with everything it sets going: the key
// filter, the box's Change, the two size lookups in the shipped encrypted unit
// file, the conversion, the fluid drawn into the buffer and copied onto the
// flask, and the scale drawn over it. Each iteration types a digit and then
// Backspace, so the box returns to its text and every iteration is two
// keystrokes of the same kind.

#include "app/formprocedures.h"
#include "app/formstate.h"
#include "conversion/conversion.h"
#include "conversion/conversionarithmetic.h"
#include "conversion/graduations.h"
#include "conversion/volumeentry.h"
#include "conversion/volumeinput.h"
#include "flask/flaskview.h"
#include "resources/fonts.h"
#include "resources/resourcepicture.h"
#include "toolkit/commandbutton.h"
#include "toolkit/optionbutton.h"
#include "toolkit/picturebox.h"
#include "toolkit/textbox.h"
#include "units/unitdatabase.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const QString shippedDatabase = QStringLiteral(BRIMLOW_UNIT_DATABASE);

// The widgets and subsystems of the window that one keystroke reaches, wired
// as the window wires them.
class KeystrokeWindow final : public FormProcedures
{
public:
    KeystrokeWindow()
        : m_database(shippedDatabase)
    {
        const QPixmap flaskPicture
            = QPixmap::fromImage(loadResourcePicture(flaskResourceId, QStringLiteral("Custom")));
        for (PictureBox *box : { &m_picFlask, &m_buffer }) {
            box->setFixedSize(92, 236);
            box->setFont(flaskLabelFont());
            box->setPicture(flaskPicture);
        }
        m_text1.setMaxLength(volumeTypingLength);
        m_optionwhite.setValue(true);

        m_conversion = std::make_unique<Conversion>(
            m_state, *this, ConversionWidgets { &m_text1, &m_text2, &m_picFlask });
        m_entry = std::make_unique<VolumeEntry>(
            m_state, *this, VolumeEntryWidgets { &m_text1, &m_text2, &m_save, &m_makeFile });
        m_graduations
            = std::make_unique<Graduations>(m_state, GraduationWidgets { &m_optionred, &m_optionsparkle });
        m_flask = std::make_unique<FlaskView>(m_state, *this,
            FlaskWidgets { &m_picFlask, &m_buffer, &m_optionblue, &m_optionred, &m_optionsparkle,
                &m_optionwhite, &m_optionLevel, &m_save, &m_makeFile });

        VolumeEntry *entry = m_entry.get();
        QObject::connect(&m_text1, &TextBox::keyPress, [entry](int &keyAscii) { entry->keyPress(keyAscii); });
        QObject::connect(&m_text1, &TextBox::change, [entry] { entry->change(); });
    }

    bool ready() { return m_database.lookupSize(m_fromUnit).ok() && m_database.lookupSize(m_toUnit).ok(); }

    TextBox &text1() { return m_text1; }
    TextBox &text2() { return m_text2; }
    FormState &state() { return m_state; }
    PictureBox *picFlask() { return &m_picFlask; }

    // Off: the sizes stay as last read, to see the keystroke's cost without the file.
    bool readSizes = true;

    void lookupFromFactor() override
    {
        if (readSizes)
            m_state.fromFactor = m_database.lookupSize(m_fromUnit).size;
    }
    void lookupToFactor() override
    {
        if (readSizes)
            m_state.toFactor = m_database.lookupSize(m_toUnit).size;
    }
    void updateConversion() override { m_conversion->updateConversion(); }
    void update_framestatic(int topRow, int sparkleSpan) override
    {
        m_flask->update_framestatic(topRow, sparkleSpan);
    }
    void showFlask() override { m_flask->showFlask(); }
    void drawGraduations(PictureBox *target, ScaleVariant variant) override
    {
        m_graduations->drawGraduations(target, variant);
    }
    void setVolumeFromLevel(float y) override { m_entry->setVolumeFromLevel(y); }

private:
    UnitDatabase m_database;
    const QString m_fromUnit = QStringLiteral("Gallon (US)");
    const QString m_toUnit = QStringLiteral("Liter");
    FormState m_state;
    TextBox m_text1;
    TextBox m_text2;
    CommandButton m_save;
    CommandButton m_makeFile;
    PictureBox m_picFlask;
    PictureBox m_buffer;
    OptionButton m_optionblue;
    OptionButton m_optionred;
    OptionButton m_optionsparkle;
    OptionButton m_optionwhite;
    OptionButton m_optionLevel;
    std::unique_ptr<Conversion> m_conversion;
    std::unique_ptr<VolumeEntry> m_entry;
    std::unique_ptr<Graduations> m_graduations;
    std::unique_ptr<FlaskView> m_flask;
};

void typeDigitThenBackspace(
    benchmark::State &state, const QString &start, Qt::Key digit, bool readSizes = true)
{
    KeystrokeWindow window;
    if (!window.ready()) {
        state.SkipWithError("the unit database does not open");
        return;
    }
    window.text1().setText(start);
    window.lookupFromFactor();
    window.lookupToFactor();
    window.readSizes = readSizes;
    for (auto _ : state) {
        QTest::keyClick(&window.text1(), digit);
        QTest::keyClick(&window.text1(), Qt::Key_Backspace);
    }
    if (window.text1().text() != start || window.text2().text() == QStringLiteral("No conversion"))
        state.SkipWithError("the keystrokes did not convert");
}

// "12" -> "125" -> "12": the path for a volume of 1 or more.
void keystrokeAtLeastOne(benchmark::State &state)
{
    typeDigitThenBackspace(state, QStringLiteral("12"), Qt::Key_5);
}
BENCHMARK(keystrokeAtLeastOne)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// "0.0" -> "0.05" -> "0.0": the path below 1.
void keystrokeBelowOne(benchmark::State &state)
{
    typeDigitThenBackspace(state, QStringLiteral("0.0"), Qt::Key_5);
}
BENCHMARK(keystrokeBelowOne)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same keystrokes with the sizes kept from the last reading.
void keystrokeWithoutFile(benchmark::State &state)
{
    typeDigitThenBackspace(state, QStringLiteral("12"), Qt::Key_5, false);
}
BENCHMARK(keystrokeWithoutFile)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The parts of one keystroke on their own, to see where its time goes.
void partLookups(benchmark::State &state)
{
    KeystrokeWindow window;
    if (!window.ready()) {
        state.SkipWithError("the unit database does not open");
        return;
    }
    for (auto _ : state) {
        window.lookupFromFactor();
        window.lookupToFactor();
    }
}
BENCHMARK(partLookups)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void partConversionArithmetic(benchmark::State &state)
{
    for (auto _ : state) {
        const ConversionOutcome outcome = convertVolume(u"125", 0.003785411784f, 0.001f);
        benchmark::DoNotOptimize(outcome.fluidTopRow);
    }
}
BENCHMARK(partConversionArithmetic)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void partFluid(benchmark::State &state)
{
    KeystrokeWindow window;
    for (auto _ : state) {
        window.update_framestatic(157, 10);
        window.showFlask();
    }
}
BENCHMARK(partFluid)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void partScale(benchmark::State &state)
{
    KeystrokeWindow window;
    window.state().fromFactor = 0.003785411784f;
    window.state().toFactor = 0.001f;
    window.state().scaleExponent = 3;
    for (auto _ : state)
        window.drawGraduations(window.picFlask(), ScaleVariant::Large);
}
BENCHMARK(partScale)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
