// The flask's redraws in the real window (US gallons to litres):
// - one mouse move of a level drag: the event through PicFlask, the band check,
//   the volume and result boxes filled for the row, the fluid into the buffer,
//   the scale into the buffer, one block copy onto PicFlask;
// - the flask's own share of that: fluid from the scale's top and the copy;
// - the redraw after a conversion: fluid into the buffer, the copy, the scale
//   onto PicFlask.
// A whole conversion without the lookups is bench_keystroke's partConversion.

#include "Formkit/optionbutton.h"
#include "Formkit/picturebox.h"
#include "Formkit/textbox.h"
#include "bench/benchwindow.h"
#include "conversion/graduations.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

using Formkit::PictureBox;

namespace {

enum class Fluid { Yellow, Sparkle };

// The window converting 26.4 US gallons, in the fluid mode given.
class FlaskWindow final
{
public:
    explicit FlaskWindow(Fluid fluid)
        : m_window(QStringLiteral("Gallon (US)"), QStringLiteral("Liter"))
    {
        if (!m_window.ready())
            return;
        if (fluid == Fluid::Sparkle) {
            m_window->state().skipColourClick = true;
            m_window->optionsparkle->setValue(true);
        }
        m_window.setVolume(QStringLiteral("26.4"));
    }

    bool ready(benchmark::State &state) const { return m_window.readyFor(state); }
    Form1 *operator->() { return &m_window.form(); }

private:
    BenchWindow m_window;
};

void sendMouse(QWidget *widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void dragMove(benchmark::State &state, Fluid fluid)
{
    FlaskWindow window(fluid);
    if (!window.ready(state))
        return;
    PictureBox *flask = window->PicFlask;
    sendMouse(flask, QEvent::MouseButtonPress, QPointF(40, 100), Qt::LeftButton, Qt::LeftButton);
    if (!window->state().draggingFlask) {
        state.SkipWithError("the press did not start a drag");
        return;
    }
    // Up and down the whole scale, on whole and half rows.
    float y = 18.0f;
    float step = 3.5f;
    for (auto _ : state) {
        sendMouse(flask, QEvent::MouseMove, QPointF(40, y), Qt::NoButton, Qt::LeftButton);
        y += step;
        if (y > 232.0f || y < 18.0f) {
            step = -step;
            y += 2 * step;
        }
    }
    sendMouse(flask, QEvent::MouseButtonRelease, QPointF(40, y), Qt::LeftButton, Qt::NoButton);
    if (window->Text1->text().isEmpty())
        state.SkipWithError("the drag did not fill the volume box");
}

void dragMoveYellow(benchmark::State &state)
{
    dragMove(state, Fluid::Yellow);
}
BENCHMARK(dragMoveYellow)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void dragMoveSparkle(benchmark::State &state)
{
    dragMove(state, Fluid::Sparkle);
}
BENCHMARK(dragMoveSparkle)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The flask's own share of a redraw: the buffer cleared, the fluid drawn, the copy.
void fluidAndCopy(benchmark::State &state, Fluid fluid)
{
    FlaskWindow window(fluid);
    if (!window.ready(state))
        return;
    for (auto _ : state) {
        window->update_framestatic(18, 12);
        window->showFlask();
    }
}

void fluidAndCopyYellow(benchmark::State &state)
{
    fluidAndCopy(state, Fluid::Yellow);
}
BENCHMARK(fluidAndCopyYellow)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void fluidAndCopySparkle(benchmark::State &state)
{
    fluidAndCopy(state, Fluid::Sparkle);
}
BENCHMARK(fluidAndCopySparkle)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The redraw the conversion makes: fluid from its row, the copy, the scale on PicFlask.
void conversionRedraw(benchmark::State &state)
{
    FlaskWindow window(Fluid::Yellow);
    if (!window.ready(state))
        return;
    const int topRow = window->state().fluidTopRow;
    for (auto _ : state) {
        window->update_framestatic(topRow, 10);
        window->showFlask();
        window->drawGraduations(window->PicFlask, ScaleVariant::Large);
    }
}
BENCHMARK(conversionRedraw)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace
