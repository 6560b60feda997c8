#include "logopicture.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int width = 92;
constexpr int height = 49;

// Coverage of a shape, decided per pixel at one half: smooth outlines without
// the blended edge pixels that antialiasing would put next to the ground.
QImage hardMask(const QPainterPath &path, const QPen &pen, bool fill)
{
    QImage mask(width, height, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pen);
    p.setBrush(fill ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    p.drawPath(path);
    p.end();
    return mask;
}

bool covered(const QImage &mask, int x, int y)
{
    return mask.constScanLine(y)[x] >= 128;
}

} // namespace

QImage makeLogoPicture(const QString &fontFile)
{
    const int id = QFontDatabase::addApplicationFont(fontFile);
    if (id < 0 || QFontDatabase::applicationFontFamilies(id).isEmpty())
        return QImage();
    QFont font(QFontDatabase::applicationFontFamilies(id).constFirst());
    font.setPixelSize(100);

    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("Brimlow"));
    const QRectF bounds = word.boundingRect();
    const QRectF box(3.0, 3.0, width - 7.0, height - 8.0);
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    const QPainterPath letters = fit.map(word);

    const QImage shadow = hardMask(letters.translated(1.5, 1.5), QPen(Qt::white, 2.0), true);
    const QImage outer = hardMask(letters, QPen(Qt::white, 2.2), true);
    const QImage inner = hardMask(letters, QPen(Qt::NoPen), true);

    const QRgb shadowColour = qRgb(64, 64, 96);
    const QRgb outlineColour = qRgb(16, 28, 96);
    const QRectF letterBox = letters.boundingRect();
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        // Gold lettering, light at the top and deeper toward the foot.
        const double t = std::clamp((y - letterBox.top()) / letterBox.height(), 0.0, 1.0);
        const QRgb fill = qRgb(255, int(236 - 96 * t), int(120 - 100 * t));
        for (int x = 0; x < width; ++x) {
            QRgb c = logoBackground;
            if (covered(shadow, x, y))
                c = shadowColour;
            if (covered(outer, x, y))
                c = outlineColour;
            if (covered(inner, x, y))
                c = fill;
            image.setPixel(x, y, c);
        }
    }
    return image;
}
