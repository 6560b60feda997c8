// One keystroke in the volume box of the real window with everything it sets
// going: the key filter, the box's Change, the two size lookups in the shipped
// encrypted unit file, the conversion, the fluid drawn into the buffer and
// copied onto the flask, and the scale drawn over it. Each iteration types a
// digit and then Backspace, so the box returns to its text and every iteration
// is two keystrokes of the same kind.
//
// The parts of a keystroke follow, on the same window, to show where its time
// goes.

#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "bench/benchwindow.h"
#include "conversion/conversionarithmetic.h"
#include "conversion/graduations.h"

#include <QTest>

#include <benchmark/benchmark.h>

using Formkit::TextBox;

namespace {

const QString fromUnit = QStringLiteral("Gallon (US)");
const QString toUnit = QStringLiteral("Liter");

void typeDigitThenBackspace(benchmark::State &state, const QString &start, Qt::Key digit)
{
    BenchWindow window(fromUnit, toUnit);
    if (!window.readyFor(state))
        return;
    window.setVolume(start);
    TextBox *text1 = window->Text1;
    for (auto _ : state) {
        QTest::keyClick(text1, digit);
        QTest::keyClick(text1, Qt::Key_Backspace);
    }
    if (text1->text() != start || window->Text2->text() == QStringLiteral("No conversion"))
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

// The two size lookups of one keystroke.
void partLookups(benchmark::State &state)
{
    BenchWindow window(fromUnit, toUnit);
    if (!window.readyFor(state))
        return;
    for (auto _ : state) {
        window->lookupFromFactor();
        window->lookupToFactor();
    }
}
BENCHMARK(partLookups)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Everything of a keystroke after the lookups: texts, arithmetic and the redraw.
void partConversion(benchmark::State &state)
{
    BenchWindow window(fromUnit, toUnit);
    if (!window.readyFor(state))
        return;
    window.setVolume(QStringLiteral("125"));
    for (auto _ : state)
        window->updateConversion();
}
BENCHMARK(partConversion)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

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
    BenchWindow window(fromUnit, toUnit);
    if (!window.readyFor(state))
        return;
    for (auto _ : state) {
        window->update_framestatic(157, 10);
        window->showFlask();
    }
}
BENCHMARK(partFluid)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void partScale(benchmark::State &state)
{
    BenchWindow window(fromUnit, toUnit);
    if (!window.readyFor(state))
        return;
    window.setVolume(QStringLiteral("125"));
    for (auto _ : state)
        window->drawGraduations(window->PicFlask, ScaleVariant::Large);
}
BENCHMARK(partScale)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
