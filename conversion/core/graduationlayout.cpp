#include "conversion/graduationlayout.h"

#include "conversion/conversionarithmetic.h"
#include "conversion/numbertext.h"

#include <cmath>
#include <optional>

namespace {

// Left labels whose fixed text has up to nine characters (900000.00) are written
// out in full; from 1000000.00 on they switch to a short exponent form.
constexpr int longestPlainLeftLabel = 9;

std::optional<float> graduationValue(
    ScaleVariant variant, int k, qint16 scaleExponent, qint16 fractionScaleExponent)
{
    const double tenths = k / 10.0;
    return variant == ScaleVariant::Large ? toSingle(std::pow(10.0, scaleExponent) * tenths)
                                          : toSingle(tenths / std::pow(10.0, fractionScaleExponent));
}

QString leftLabel(
    ScaleVariant variant, int k, float value, qint16 scaleExponent, qint16 fractionScaleExponent)
{
    if (variant == ScaleVariant::Large) {
        // Graduation k of the scale to 10^n stands for k × 10^(n - 1), or 10^n at
        // k = 10. The label is written from that digit and power, never from the
        // Single: 9 × 10^9 is held as 8,999,999,488 and 10^28 just below it.
        const int digit = k < 10 ? k : 1;
        const int power = k < 10 ? scaleExponent - 1 : int(scaleExponent);
        // The fixed text of digit × 10^power has power + 1 digits, a point and two decimals.
        if (power + 4 <= longestPlainLeftLabel)
            return groupedFixedText(digit * std::pow(10.0, power), 0);
        return QString::number(digit) + QStringLiteral(".0E+") + QString::number(power);
    }
    if (fractionScaleExponent <= 4)
        return generalNumberText(value) + QLatin1Char(' ');
    if (k < 10)
        return QString::number(k) + QStringLiteral(".0E-") + QString::number(fractionScaleExponent + 1);
    return QStringLiteral("1.0E-") + QString::number(fractionScaleExponent);
}

// The right label and its column; the columns keep the one-decimal texts ending
// near the right tick as their length grows.
void placeRightLabel(float v, GraduationLabel &label)
{
    if (double(v) < 1.0) {
        if (double(v) >= 0.001) {
            label.rightText = groupedFixedText(v, 4);
            label.rightColumn = 57;
        } else {
            label.rightText = scientificText(v, ExponentSign::WhenNegative);
            label.rightColumn = 50;
        }
        return;
    }
    const auto fixedLength = fixedText(v).size();
    if (fixedLength >= 9) {
        label.rightText = scientificText(v, ExponentSign::Always);
        label.rightColumn = 50;
        return;
    }
    label.rightText = groupedFixedText(v, 1);
    const auto length = label.rightText.size();
    switch (fixedLength) {
    case 4:
        label.rightColumn = length == 4 ? 67 : 71; // 9.96 gives 10.0
        break;
    case 5:
        label.rightColumn = length == 5 ? 62 : 67; // 99.96 gives 100.0
        break;
    case 6:
        label.rightColumn = length == 7 ? 56 : 62; // 999.96 gives 1,000.0
        break;
    case 7:
        label.rightColumn = length == 8 ? 51 : 56; // 9999.96 gives 10,000.0
        break;
    default:
        label.rightColumn = 51;
        break;
    }
}

} // namespace

int graduationRow(int k)
{
    return int(std::floor(scaleZeroRow - (k / 10.0) * scaleSpan));
}

GraduationLayout graduationLayout(ScaleVariant variant, qint16 scaleExponent, qint16 fractionScaleExponent,
    float fromFactor, float toFactor, bool contrastColours)
{
    GraduationLayout layout;
    for (int k = 1; k <= 10; ++k) {
        GraduationLabel &label = layout[k - 1];
        label.k = k;
        label.row = graduationRow(k);
        label.colour
            = !contrastColours ? LabelColour::Black : (k % 2 == 1 ? LabelColour::Yellow : LabelColour::White);
        label.rightColumn = 50;

        const std::optional<float> value = graduationValue(variant, k, scaleExponent, fractionScaleExponent);
        if (!value)
            continue;
        label.leftText = leftLabel(variant, k, *value, scaleExponent, fractionScaleExponent);
        if (const std::optional<float> converted = convertedSingle(fromFactor, toFactor, *value))
            placeRightLabel(*converted, label);
    }
    return layout;
}
