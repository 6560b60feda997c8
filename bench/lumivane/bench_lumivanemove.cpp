// One mouse move of a drag in each move style (the host's event, the outline
// and/or the control following the cursor, the container repainted), and the
// logo's saved settings written to and read from a property bag file's text.

#include "Formkit/filepropertybag.h"
#include "Lumivane/lumivane.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

using Formkit::FilePropertyBag;

namespace {

void dragMove(benchmark::State &state)
{
    QWidget container;
    container.setGeometry(50, 50, 600, 400);
    auto *control = new Lumivane(&container);
    control->setGeometry(40, 30, 92, 49);
    control->setMoveable(true);
    control->setMoveStyle(Lumivane::LVNMoveStyle(state.range(0)));
    container.show();
    QApplication::processEvents();

    const QPoint start = control->mapToGlobal(QPoint(5, 5));
    QCursor::setPos(start);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(start), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(control, &press);
    int step = 0;
    for (auto _ : state) {
        // To and fro over 40 pixels, so the control stays in the container.
        const QPoint at = start + QPoint(step % 40, step % 40 / 2);
        ++step;
        QCursor::setPos(at);
        QMouseEvent move(QEvent::MouseMove, QPointF(control->mapFromGlobal(at)), QPointF(at), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(control, &move);
    }
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(start), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &release);
}
BENCHMARK(dragMove)->Arg(0)->Arg(1)->Arg(2)->ArgName("style")->Unit(benchmark::kMicrosecond);

void logoSettingsThroughAFile(benchmark::State &state)
{
    QWidget host;
    auto *control = new Lumivane(&host);
    control->setGeometry(0, 0, 92, 49);
    control->initProperties();
    control->setTransparentColor(0x00BEBEBE);
    control->setForeColor(0x80000008);
    control->setDrawingFont(QFont(QStringLiteral("Sans Serif"), 8));
    control->setScaleWidth(1380);
    control->setScaleHeight(735);
    for (auto _ : state) {
        FilePropertyBag out;
        control->writeProperties(&out);
        FilePropertyBag in;
        in.readText(out.text());
        control->readProperties(&in);
    }
}
BENCHMARK(logoSettingsThroughAFile)->Unit(benchmark::kMicrosecond);

} // namespace
