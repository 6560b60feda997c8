#include "flask/sparklegenerator.h"

#include <array>
#include <cmath>

float SparkleGenerator::next()
{
    m_state = (m_state * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return float(m_state) / 16777216.0f;
}

int SparkleGenerator::nextIndex(int span)
{
    // The default floating-point rounding mode rounds halves to even.
    return int(std::nearbyint(double(next()) * span));
}

QRgb sparklePaletteColour(int index)
{
    static constexpr std::array<QRgb, 16> palette = {
        0xff000000,
        0xff000080,
        0xff008000,
        0xff008080,
        0xff800000,
        0xff800080,
        0xff808000,
        0xffc0c0c0,
        0xff808080,
        0xff0000ff,
        0xff00ff00,
        0xff00ffff,
        0xffff0000,
        0xffff00ff,
        0xffffff00,
        0xffffffff,
    };
    if (index < 0 || index >= int(palette.size()))
        return palette[0];
    return palette[size_t(index)];
}
