#ifndef BRIMLOW_SPARKLEGENERATOR_H
#define BRIMLOW_SPARKLEGENERATOR_H

// The colours of sparkling fluid: a uniform pseudo-random number per dot picks
// an entry of the classic 16-colour palette. The generator is never seeded, so
// it starts from the same state and the flask sparkles alike in every run.

#include <QRgb>
#include <cstdint>

class SparkleGenerator final
{
public:
    // The next number, 0 <= r < 1, single precision (24 significant bits).
    float next();

    // round(r * span), halves to even: 0 to span, the two ends half as likely.
    int nextIndex(int span);

private:
    // A 24-bit linear congruential generator, the kind the classic runtimes used.
    std::uint32_t m_state = 0x50000;
};

// Entry `index` (0 to 15) of the 16-colour palette; black outside that range.
QRgb sparklePaletteColour(int index);

#endif
