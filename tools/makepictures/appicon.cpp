#include "appicon.h"

#include <QPainter>

#include <algorithm>

namespace {

// The window icon's colours.
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor silver(192, 192, 192);
const QColor grey(128, 128, 128);
const QColor yellow(255, 255, 0);
const QColor olive(128, 128, 0);
const QColor teal(0, 128, 128);
// Shades that only the larger sizes have room for.
const QColor paleYellow(255, 255, 160);
const QColor lightGrey(224, 224, 224);

class Grid
{
public:
    explicit Grid(int size)
        : m_size(size)
        // Outlines grow with the icon: one pixel up to 32, then about a
        // twenty-eighth of the size.
        , m_line(std::max(1, qRound(size / 28.0)))
    { }

    // The pixel edge of a grid line (0 to 16).
    int at(double unit) const { return qRound(unit * m_size / 16.0); }
    int line() const { return m_line; }
    int size() const { return m_size; }

private:
    int m_size;
    int m_line;
};

QRect span(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

QImage makeAppIcon(int size)
{
    const Grid g(size);
    const int t = g.line();
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The inside of the cylinder, between its walls, from under the rim to
    // the collar above the foot.
    const int innerLeft = g.at(3) + t;
    const int innerRight = g.at(13) - t;
    const int glassTop = g.at(4);
    const int collarTop = g.at(14) - t;
    const int level = g.at(9);
    const int highlight = std::max(1, size * 3 / 64);
    const int shade = size >= 32 ? std::max(1, highlight / 2) : 0;

    // Walls, then glass and fluid.
    p.fillRect(span(g.at(3), g.at(3), g.at(13), collarTop), black);
    p.fillRect(span(innerLeft, glassTop, innerRight, level), silver);
    p.fillRect(span(innerLeft, glassTop, innerLeft + highlight, level), white);
    if (shade > 0) {
        p.fillRect(span(innerLeft + highlight, glassTop, innerLeft + highlight + shade, level), lightGrey);
        p.fillRect(span(innerRight - shade, glassTop, innerRight, level), grey);
    }
    p.fillRect(span(innerLeft, level, innerRight, collarTop), yellow);
    if (shade > 0) {
        p.fillRect(span(innerLeft, level, innerLeft + highlight, collarTop), paleYellow);
        p.fillRect(span(innerRight - shade, level, innerRight, collarTop), olive);
    }

    // Graduations on the right wall, a major mark on every odd grid row from
    // 5 to 11, black; the fluid's surface (row 9) is the longest. Between
    // them, on the even rows, short minor marks in the glass's or the fluid's
    // shade, where a free pixel row stays on either side: at 16 pixels (the
    // window icon's own marks) and from 32 up, not at 24, where they would
    // run into the major marks.
    const bool minorMarks = size == 16 || size / 16.0 >= t + 1;
    for (int row = 4; row <= 12; ++row) {
        const bool major = row % 2 == 1;
        if (!major && !minorMarks)
            continue;
        const double length = !major ? (size == 16 ? 1.0 : 0.6) : row == 9 ? 3.0 : row == 5 ? 2.0 : 1.0;
        const QColor colour = major ? black : row < 9 ? teal : olive;
        const int thickness = major ? t : std::max(1, t / 2);
        const int top = g.at(row);
        const int left = std::max(innerLeft, innerRight - std::max(1, g.at(length)));
        p.fillRect(span(left, top, innerRight, top + thickness), colour);
    }

    // The rim: an outlined band, lit from the left.
    p.fillRect(span(g.at(2), g.at(1), g.at(14), g.at(4)), black);
    const int rimTop = g.at(1) + t;
    const int rimBottom = g.at(4) - t;
    p.fillRect(span(g.at(2) + t, rimTop, g.at(7), rimBottom), white);
    p.fillRect(span(g.at(7), rimTop, g.at(12), rimBottom), silver);
    p.fillRect(span(g.at(12), rimTop, g.at(14) - t, rimBottom), grey);

    // The collar and the foot.
    p.fillRect(span(g.at(2), collarTop, g.at(14), g.at(14)), black);
    p.fillRect(span(g.at(1), g.at(14), g.at(15), size), black);
    p.fillRect(span(g.at(1) + t, g.at(14), g.at(15) - t, size - t), grey);
    if (shade > 0)
        p.fillRect(span(g.at(1) + t, g.at(14), g.at(15) - t, g.at(14) + shade), silver);
    return image;
}
