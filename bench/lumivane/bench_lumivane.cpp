// Publishing the 92 x 49 logo (picture and mask onto the visible surface) and
// ReplaceColor over a 1000 x 1000 surface, through the control's members, and the
// pixel operation alone.

#include "Lumivane/lumivane.h"
#include "colorreplace.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A logo-like picture: grey 190 background with dark lettering strokes.
QImage logoPicture()
{
    QImage image(92, 49, QImage::Format_RGB32);
    image.fill(qRgb(190, 190, 190));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(40, 20, 90), 3));
    for (int i = 0; i < 6; ++i)
        painter.drawEllipse(QPoint(10 + i * 14, 24), 6, 14);
    return image;
}

void publishLogo(benchmark::State &state)
{
    QWidget container;
    container.resize(200, 120);
    auto *control = new Lumivane(&container);
    control->setGeometry(10, 10, 92, 49);
    control->setTransparentColor(0x00BEBEBE);
    container.show();
    QApplication::processEvents();
    const QPixmap logo = QPixmap::fromImage(logoPicture());
    for (auto _ : state) {
        // PaintPicture publishes once with AutoRedraw on: the logo's path at load.
        control->PaintPicture(logo, 0, 0);
        benchmark::DoNotOptimize(control->visiblePicture().cacheKey());
    }
}
BENCHMARK(publishLogo)->Unit(benchmark::kMicrosecond);

void replaceColorControl(benchmark::State &state)
{
    Lumivane control;
    control.resize(1000, 1000);
    control.setAutoRedraw(false); // the pixel work alone, without publishing
    control.setTransparentColor(0x00FFFFFF);
    control.setForeColor(0);
    QImage picture(1000, 1000, QImage::Format_RGB32);
    picture.fill(qRgb(190, 190, 190));
    control.setPicture(QPixmap::fromImage(picture));
    qint32 from = 0x00BEBEBE;
    qint32 to = 0x000000FF;
    for (auto _ : state) {
        control.ReplaceColor(from, to);
        std::swap(from, to);
    }
}
BENCHMARK(replaceColorControl)->Unit(benchmark::kMillisecond);

void replaceColorPixels(benchmark::State &state)
{
    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(qRgb(190, 190, 190));
    QRgb from = qRgb(190, 190, 190);
    QRgb to = qRgb(255, 0, 0);
    for (auto _ : state) {
        colorreplace::replaceColor(image, from, to, qRgb(0, 0, 0));
        std::swap(from, to);
    }
}
BENCHMARK(replaceColorPixels)->Unit(benchmark::kMillisecond);

} // namespace
