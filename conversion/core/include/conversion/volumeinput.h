#ifndef BRIMLOW_VOLUMEINPUT_H
#define BRIMLOW_VOLUMEINPUT_H

// The rules of the volume box, free of widgets: which typed keys it accepts, and
// the volume and result that a flask row stands for while the user drags the
// fluid level.

#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace volumeKey {
inline constexpr int backspace = 8;
inline constexpr int enter = 13;
inline constexpr int escape = 27;
inline constexpr int point = 46;
} // namespace volumeKey

// The typing limit of the volume box, and the one while a dragged volume with
// ten decimals is shown.
inline constexpr int volumeTypingLength = 16;
inline constexpr int volumeLevelLength = 22;

// The key code the box receives for a typed key: the key itself, or 0 when it
// is discarded. Digits, one point, Backspace, Esc and Enter get through; a
// second point, signs, letters, blanks and control shortcuts do not.
int filterVolumeKey(QStringView boxText, int keyAscii);

// What stays of the box's text when a typed key replaces its selection: the
// key filter judges a key by this text, so a point typed over a selected "1.5"
// is the only point.
QString textOutsideSelection(QStringView boxText, int selStart, int selLength);

// A text for the volume box with every control character (NUL, tab, line
// breaks and the other Cc characters, and the Unicode line and paragraph
// separators) turned into a blank. Whatever is pasted, the box then holds
// one line that the results file can carry as one record; a pasted "12" with
// a line break after it still reads as 12.
QString volumeBoxText(QStringView pasted);

struct LevelVolume
{
    float dragVolume = 0.0f;
    // No value when the unit sizes give no finite result (a To size of 0).
    std::optional<float> dragResult;
    // The texts written into the volume box and the result box, in order; the
    // last of each is what stays.
    QStringList volumeWrites;
    QStringList resultWrites;
};

// The volume of the fluid standing at flask row y (18 is the scale's top, 232
// its zero) on the scale the last conversion chose, and its converted value.
LevelVolume volumeFromLevel(float y, bool volumeAtLeastOne, qint16 scaleExponent,
    qint16 fractionScaleExponent, float fromFactor, float toFactor);

#endif
