// The flask's redraws with the real widgets and subsystems wired as the window
// wires them (unit sizes fixed instead of looked up):
// - one mouse move of a level drag: the event through PicFlask, the band check,
//   the volume and result boxes filled for the row, the fluid into the buffer,
//   the scale into the buffer, one block copy onto PicFlask;
// - the flask's own share of that: fluid from the scale's top and the copy;
// - the redraw after a conversion: fluid into the buffer, the copy, the scale
//   onto PicFlask;
// - a whole conversion of the volume box's text, the redraw included.

#include "app/formprocedures.h"
#include "app/formstate.h"
#include "conversion/conversion.h"
#include "conversion/graduations.h"
#include "conversion/volumeentry.h"
#include "conversion/volumeinput.h"
#include "flask/flaskdrag.h"
#include "flask/flaskview.h"
#include "resources/fonts.h"
#include "resources/resourcepicture.h"
#include "toolkit/commandbutton.h"
#include "toolkit/optionbutton.h"
#include "toolkit/picturebox.h"
#include "toolkit/textbox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

class FlaskWindow final : public FormProcedures
{
public:
    FlaskWindow()
    {
        const QPixmap flaskPicture
            = QPixmap::fromImage(loadResourcePicture(flaskResourceId, QStringLiteral("Custom")));
        for (PictureBox *box : { &m_picFlask, &m_buffer }) {
            box->setFixedSize(97, 241);
            box->setBackColor(QColor(128, 255, 255));
            box->setFont(flaskLabelFont());
            box->setPicture(flaskPicture);
        }
        m_text1.setMaxLength(volumeTypingLength);

        const FlaskWidgets flask { &m_picFlask, &m_buffer, &m_optionblue, &m_optionred, &m_optionsparkle,
            &m_optionwhite, &m_optionLevel, &m_save, &m_makeFile };
        m_conversion = std::make_unique<Conversion>(
            m_state, *this, ConversionWidgets { &m_text1, &m_text2, &m_picFlask });
        m_entry = std::make_unique<VolumeEntry>(
            m_state, *this, VolumeEntryWidgets { &m_text1, &m_text2, &m_save, &m_makeFile });
        m_graduations
            = std::make_unique<Graduations>(m_state, GraduationWidgets { &m_optionred, &m_optionsparkle });
        m_flask = std::make_unique<FlaskView>(m_state, *this, flask);
        m_drag = std::make_unique<FlaskDrag>(m_state, *this, flask);

        VolumeEntry *entry = m_entry.get();
        QObject::connect(&m_text1, &TextBox::change, [entry] { entry->change(); });

        // US gallons to litres, as the window would look them up.
        m_state.fromFactor = 3.785411784f;
        m_state.toFactor = 1.0f;
        m_state.skipColourClick = true;
        m_optionwhite.setValue(true);
        m_state.volumeEditLive = true;
        m_text1.setText(QStringLiteral("26.4"));
    }

    OptionButton &option(FluidMode mode)
    {
        switch (mode) {
        case FluidMode::Sparkle:
            return m_optionsparkle;
        case FluidMode::LevelMarker:
            return m_optionLevel;
        default:
            return m_optionwhite;
        }
    }
    void select(FluidMode mode)
    {
        m_state.skipColourClick = true;
        option(mode).setValue(true);
    }

    PictureBox &picFlask() { return m_picFlask; }
    TextBox &text1() { return m_text1; }
    FormState &state() { return m_state; }

    void lookupFromFactor() override { }
    void lookupToFactor() override { }
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
    std::unique_ptr<FlaskDrag> m_drag;
};

void sendMouse(QWidget *widget, QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void dragMove(benchmark::State &state, FluidMode mode)
{
    FlaskWindow window;
    window.select(mode);
    PictureBox *flask = &window.picFlask();
    sendMouse(flask, QEvent::MouseButtonPress, QPointF(40, 100), Qt::LeftButton, Qt::LeftButton);
    if (!window.state().draggingFlask) {
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
    if (window.text1().text().isEmpty())
        state.SkipWithError("the drag did not fill the volume box");
}

void dragMoveYellow(benchmark::State &state)
{
    dragMove(state, FluidMode::Yellow);
}
BENCHMARK(dragMoveYellow)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void dragMoveSparkle(benchmark::State &state)
{
    dragMove(state, FluidMode::Sparkle);
}
BENCHMARK(dragMoveSparkle)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The flask's own share of a redraw: the buffer cleared, the fluid drawn, the copy.
void fluidAndCopy(benchmark::State &state, FluidMode mode)
{
    FlaskWindow window;
    window.select(mode);
    for (auto _ : state) {
        window.update_framestatic(18, 12);
        window.showFlask();
    }
}

void fluidAndCopyYellow(benchmark::State &state)
{
    fluidAndCopy(state, FluidMode::Yellow);
}
BENCHMARK(fluidAndCopyYellow)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

void fluidAndCopySparkle(benchmark::State &state)
{
    fluidAndCopy(state, FluidMode::Sparkle);
}
BENCHMARK(fluidAndCopySparkle)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The redraw the conversion makes: fluid from its row, the copy, the scale on PicFlask.
void conversionRedraw(benchmark::State &state)
{
    FlaskWindow window;
    const int topRow = window.state().fluidTopRow;
    for (auto _ : state) {
        window.update_framestatic(topRow, 10);
        window.showFlask();
        window.drawGraduations(&window.picFlask(), ScaleVariant::Large);
    }
}
BENCHMARK(conversionRedraw)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// A whole conversion of "26.4": texts, scale, level and the redraw.
void updateConversion(benchmark::State &state)
{
    FlaskWindow window;
    for (auto _ : state)
        window.updateConversion();
    if (window.state().fluidTopRow == 0)
        state.SkipWithError("the conversion did not run");
}
BENCHMARK(updateConversion)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

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
