#include "flaskpicture.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace {

constexpr int width = 92;
constexpr int height = 236;
constexpr int leftWall = 5;
constexpr int rightWall = 87;
constexpr int rimTop = 3;
constexpr int rimBottom = 9;
constexpr int glassBottom = 232;

const QRgb background = qRgb(128, 255, 255); // the window's colour around the flask
const QRgb outline = qRgb(36, 48, 62);
const QRgb wallEdge = qRgb(118, 140, 152);
const QRgb footFace = qRgb(150, 172, 184);

double bump(double t, double centre, double width)
{
    const double d = (t - centre) / width;
    return std::exp(-d * d);
}

QRgb mix(QRgb a, QRgb b, double f)
{
    f = std::clamp(f, 0.0, 1.0);
    return qRgb(int(std::lround(qRed(a) + (qRed(b) - qRed(a)) * f)),
        int(std::lround(qGreen(a) + (qGreen(b) - qGreen(a)) * f)),
        int(std::lround(qBlue(a) + (qBlue(b) - qBlue(a)) * f)));
}

// Clear glass: dark toward the walls, where the eye looks through more of it,
// with a bright reflection a fifth of the way across and a faint one on the right.
QRgb glassColour(int x)
{
    const double t = (x - leftWall) / double(rightWall - leftWall);
    QRgb c = qRgb(204, 224, 232);
    c = mix(c, qRgb(112, 136, 150), std::pow(std::abs(2.0 * t - 1.0), 5.0));
    c = mix(c, qRgb(250, 253, 255), 0.85 * bump(t, 0.2, 0.055));
    c = mix(c, qRgb(240, 248, 252), 0.35 * bump(t, 0.8, 0.025));
    return c;
}

// The rolled rim seen edge-on: lit from above, shaded below.
QRgb rimColour(int x, int y)
{
    static const QRgb rows[] = { qRgb(252, 254, 255), qRgb(226, 238, 244), qRgb(202, 220, 230),
        qRgb(178, 198, 210), qRgb(150, 170, 184) };
    const QRgb c = rows[y - rimTop - 1];
    const double t = (x - 2) / 87.0;
    return mix(c, qRgb(96, 116, 130), 0.8 * std::pow(std::abs(2.0 * t - 1.0), 6.0));
}

} // namespace

QImage makeFlaskPicture()
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(background);

    // Rim: rows 3 to 9, columns 2 to 89, corners rounded off.
    for (int x = 3; x <= 88; ++x) {
        image.setPixel(x, rimTop, outline);
        image.setPixel(x, rimBottom, outline);
    }
    for (int y = rimTop + 1; y < rimBottom; ++y) {
        image.setPixel(2, y, outline);
        image.setPixel(89, y, outline);
        for (int x = 3; x <= 88; ++x)
            image.setPixel(x, y, rimColour(x, y));
    }

    // Body: glass from under the rim down to the scale's zero row.
    for (int y = rimBottom + 1; y <= glassBottom; ++y) {
        image.setPixel(leftWall - 1, y, wallEdge);
        image.setPixel(leftWall, y, outline);
        for (int x = leftWall + 1; x < rightWall; ++x)
            image.setPixel(x, y, glassColour(x));
        image.setPixel(rightWall, y, outline);
        image.setPixel(rightWall + 1, y, wallEdge);
    }

    // Bottom: the closing outline, then a foot a little wider than the body.
    for (int x = leftWall - 1; x <= rightWall + 1; ++x)
        image.setPixel(x, glassBottom + 1, outline);
    for (int x = 1; x <= 90; ++x) {
        image.setPixel(x, glassBottom + 2, (x == 1 || x == 90) ? outline : footFace);
        image.setPixel(x, glassBottom + 3, outline);
    }
    return image;
}
