#ifndef BRIMLOW_CONVERSIONARITHMETIC_H
#define BRIMLOW_CONVERSIONARITHMETIC_H

// The arithmetic of a conversion, free of widgets: from the volume box's text and
// the two unit sizes to the result, its text, the flask scale's power of ten and
// the fluid's row. Two paths share the outline: one for a volume of 1 or more,
// whose scale top is 10^scaleExponent, and one below 1, whose scale top is
// 10^-fractionScaleExponent. Everything is computed in 64-bit floating point and
// held as Single, and every text is written from the Single values.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

enum class ConversionPath {
    AtLeastOne, // do_integerpositive
    BelowOne, // do_decimalpositive
};

// Why a volume text gives no conversion.
enum class ConversionFault {
    None,
    EmptyVolume, // nothing but blanks
    ExtraPoint, // more than one decimal point
    NotNumeric, // any other text that is no number: a lone ".", letters
    Negative, // only a paste can put a sign into the box
    NoUnitSize, // a unit size of 0: its lookup failed, and that was told
    VolumeOutOfRange, // the volume or its scale top beyond the Single range
    ResultOutOfRange, // the converted volume beyond the Single range
};

// The "Data Entry" message that names what is wrong with a volume; empty for
// a fault that is no fault of the volume text (no fault, or a unit without size).
QString dataEntryMessage(ConversionFault fault);

struct ConversionOutcome
{
    ConversionFault fault = ConversionFault::None;
    ConversionPath path = ConversionPath::BelowOne;

    // Only meaningful when fault is None.
    float volumeValue = 0.0f;
    float resultValue = 0.0f;
    float levelFraction = 0.0f;
    qint16 scaleExponent = 0; // the path for 1 or more sets it
    qint16 fractionScaleExponent = 0; // the path below 1 sets it
    qint32 fluidTopRow = 0;
    // The texts the result box shows in turn: the rounded text, then one per
    // trailing character removed. The last one is the result text.
    QStringList resultWrites;

    bool ok() const { return fault == ConversionFault::None; }
    QString resultText() const { return resultWrites.isEmpty() ? QString() : resultWrites.last(); }
};

// The scale's zero lies on flask row 232 and its top (a fraction 1) on row 18.
inline constexpr int scaleZeroRow = 232;
inline constexpr int scaleTopRow = 18;
inline constexpr int scaleSpan = scaleZeroRow - scaleTopRow;

// Row of a fraction of the scale's top value: floor(232 - 214 f).
qint32 levelRow(float fraction);

// The path the volume text's leading number selects.
ConversionPath conversionPathFor(QStringView volumeText);

// The two paths, and the one the text selects.
ConversionOutcome convertAtLeastOne(QStringView volumeText, float fromFactor, float toFactor);
ConversionOutcome convertBelowOne(QStringView volumeText, float fromFactor, float toFactor);
ConversionOutcome convertVolume(QStringView volumeText, float fromFactor, float toFactor);

// The result text rule: 10 decimals below 1, else 4, then the trailing zeros and
// point dropped. resultTextWrites gives every text the box shows on the way.
QString resultText(float result);
QStringList resultTextWrites(float result);

// fromFactor / toFactor × value in 64-bit, as a Single; no value when either
// size is 0 (no size known) or the product leaves the Single range.
std::optional<float> convertedSingle(float fromFactor, float toFactor, double value);

// A 64-bit value as a Single, or no value when it lies beyond the Single range.
std::optional<float> toSingle(double value);

#endif
