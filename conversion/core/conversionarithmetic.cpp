#include "conversion/conversionarithmetic.h"

#include "conversion/numbertext.h"

#include <cfloat>
#include <cmath>

namespace {

// Above this a volume no longer rounds to a Long; its scale comes from the
// exponent of its general text instead.
constexpr double longVolumeLimit = 2e9;

// The number of decimals the path for 1 or more rounds the typed volume to.
constexpr int volumeDecimals = 2;

ConversionOutcome rejected(ConversionFault fault)
{
    ConversionOutcome outcome;
    outcome.fault = fault;
    return outcome;
}

// A text that is no number: a number too large for 64 bits is still a number,
// only one that cannot be a volume.
ConversionOutcome rejectedText(QStringView volumeText)
{
    const std::optional<double> unbounded = unboundedNumericValue(volumeText);
    if (!unbounded) {
        if (volumeText.trimmed().isEmpty())
            return rejected(ConversionFault::EmptyVolume);
        return rejected(volumeText.count(QLatin1Char('.')) > 1 ? ConversionFault::ExtraPoint
                                                               : ConversionFault::NotNumeric);
    }
    return rejected(*unbounded < 0.0 ? ConversionFault::Negative : ConversionFault::VolumeOutOfRange);
}

// Result, its text and the row of the level: the part both paths share.
ConversionOutcome finish(ConversionOutcome outcome, float fromFactor, float toFactor)
{
    if (fromFactor == 0.0f || toFactor == 0.0f)
        return rejected(ConversionFault::NoUnitSize);
    const std::optional<float> result = convertedSingle(fromFactor, toFactor, outcome.volumeValue);
    if (!result)
        return rejected(ConversionFault::ResultOutOfRange);
    outcome.resultValue = *result;
    outcome.resultWrites = resultTextWrites(outcome.resultValue);
    outcome.fluidTopRow = levelRow(outcome.levelFraction);
    return outcome;
}

} // namespace

std::optional<float> toSingle(double value)
{
    if (std::isnan(value) || std::fabs(value) > double(FLT_MAX))
        return std::nullopt;
    return static_cast<float>(value);
}

std::optional<float> convertedSingle(float fromFactor, float toFactor, double value)
{
    if (fromFactor == 0.0f || toFactor == 0.0f)
        return std::nullopt;
    return toSingle(double(fromFactor) / double(toFactor) * value);
}

qint32 levelRow(float fraction)
{
    return qint32(std::floor(scaleZeroRow - double(fraction) * scaleSpan));
}

ConversionPath conversionPathFor(QStringView volumeText)
{
    return leadingNumber(volumeText) >= 1.0 ? ConversionPath::AtLeastOne : ConversionPath::BelowOne;
}

ConversionOutcome convertAtLeastOne(QStringView volumeText, float fromFactor, float toFactor)
{
    const std::optional<double> typed = numericValue(volumeText);
    if (!typed)
        return rejectedText(volumeText);

    // The volume is the typed number rounded to two decimals: 1.006 converts as 1.01.
    const std::optional<double> rounded = numericValue(groupedFixedText(*typed, volumeDecimals));
    if (!rounded)
        return rejected(ConversionFault::VolumeOutOfRange);
    if (*rounded < 0.0)
        return rejected(ConversionFault::Negative);
    const std::optional<float> volume = toSingle(*rounded);
    if (!volume)
        return rejected(ConversionFault::VolumeOutOfRange);

    ConversionOutcome outcome;
    outcome.path = ConversionPath::AtLeastOne;
    outcome.volumeValue = *volume == 0.0f ? 0.0f : *volume;

    // The scale's top is 10^n, n the number of digits of the whole part.
    int n = 0;
    if (double(outcome.volumeValue) < longVolumeLimit) {
        const auto whole = qint32(std::nearbyint(double(outcome.volumeValue))); // ties to even
        n = int(generalNumberText(whole).size()) - 1;
    } else {
        const QString general = generalNumberText(outcome.volumeValue); // " 2E+09"
        n = general.mid(general.indexOf(QLatin1Char('E')) + 1).toInt() + 1;
    }
    const double top = std::pow(10.0, n);
    if (!toSingle(top))
        return rejected(ConversionFault::VolumeOutOfRange); // its graduations would not fit a Single
    outcome.scaleExponent = qint16(n);
    outcome.levelFraction = float(double(outcome.volumeValue) / top);
    return finish(outcome, fromFactor, toFactor);
}

ConversionOutcome convertBelowOne(QStringView volumeText, float fromFactor, float toFactor)
{
    if (!isNumericText(volumeText))
        return rejectedText(volumeText);
    const double typed = leadingNumber(volumeText);
    if (typed < 0.0)
        return rejected(ConversionFault::Negative);
    const std::optional<float> volume = toSingle(typed);
    if (!volume)
        return rejected(ConversionFault::VolumeOutOfRange);

    ConversionOutcome outcome;
    outcome.path = ConversionPath::BelowOne;
    outcome.volumeValue = *volume == 0.0f ? 0.0f : *volume;

    // The scale's top is 10^-z, z the zeros right behind the point of the
    // general text: 0.05 has one. Exponent forms (" 1E-05") have none.
    const QString general = generalNumberText(typed == 0.0 ? 0.0 : typed);
    const qsizetype point = general.indexOf(QLatin1Char('.'));
    qsizetype at = point < 0 ? 0 : point + 1;
    int z = 0;
    while (at < general.size() && general[at] == QLatin1Char('0')) {
        ++z;
        ++at;
    }
    outcome.fractionScaleExponent = qint16(z);
    outcome.levelFraction = float(leadingNumber(general) * std::pow(10.0, z));
    return finish(outcome, fromFactor, toFactor);
}

ConversionOutcome convertVolume(QStringView volumeText, float fromFactor, float toFactor)
{
    return conversionPathFor(volumeText) == ConversionPath::AtLeastOne
        ? convertAtLeastOne(volumeText, fromFactor, toFactor)
        : convertBelowOne(volumeText, fromFactor, toFactor);
}

QStringList resultTextWrites(float result)
{
    const QString rounded = groupedFixedText(result, result < 1.0f ? 10 : 4);
    return QStringList { rounded } + trimResultSteps(rounded);
}

QString resultText(float result)
{
    return resultTextWrites(result).last();
}

QString dataEntryMessage(ConversionFault fault)
{
    const QString invalid = QStringLiteral("Please enter a valid number for volume.\r\n");
    switch (fault) {
    case ConversionFault::EmptyVolume:
        return QStringLiteral("Please enter a volume.");
    case ConversionFault::ExtraPoint:
        return invalid + QStringLiteral("Use only one decimal point.");
    case ConversionFault::NotNumeric:
        return QStringLiteral("Please enter a valid number for volume.");
    case ConversionFault::Negative:
        return invalid + QStringLiteral("A volume cannot be less than zero.");
    case ConversionFault::VolumeOutOfRange:
        // The scale's top, a power of ten above the volume, must fit a Single.
        return invalid + QStringLiteral("The volume is too large: use less than 1E+38.");
    case ConversionFault::ResultOutOfRange:
        return QStringLiteral("Please enter a smaller volume.\r\nIts converted volume is too large to show.");
    case ConversionFault::None:
    case ConversionFault::NoUnitSize:
        break;
    }
    return QString();
}
