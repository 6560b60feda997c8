#include "conversion/graduationlayout.h"

#include "conversion/conversionarithmetic.h"
#include "conversion/numbertext.h"

#include <cmath>
#include <optional>

namespace {

// Labels of the decade below 10^6 are written out in full; from a nine-character
// fixed text (1000000.00) on, the left label switches to a short exponent form.
constexpr int longestPlainLeftLabel = 9;

std::optional<float> graduationValue(
    ScaleVariant variant, int k, qint16 scaleExponent, qint16 fractionScaleExponent)
{
    const double tenths = k / 10.0;
    return variant == ScaleVariant::Large ? toSingle(std::pow(10.0, scaleExponent) * tenths)
                                          : toSingle(tenths / std::pow(10.0, fractionScaleExponent));
}

QString leftLabel(ScaleVariant variant, int k, float value, qint16 fractionScaleExponent)
{
    if (variant == ScaleVariant::Large) {
        const QString fixed = fixedText(value);
        if (fixed.size() <= longestPlainLeftLabel)
            return groupedFixedText(value, 0);
        // 1,000,000 gives 1.0E+6: the digits before the point less one.
        return fixed.left(1) + QStringLiteral(".0E+") + QString::number(fixed.indexOf(QLatin1Char('.')) - 1);
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
        label.colour = !contrastColours ? LabelColour::Black : (k % 2 == 1 ? LabelColour::Yellow : LabelColour::White);
        label.rightColumn = 50;

        const std::optional<float> value = graduationValue(variant, k, scaleExponent, fractionScaleExponent);
        if (!value)
            continue;
        label.leftText = leftLabel(variant, k, *value, fractionScaleExponent);
        if (const std::optional<float> converted = convertedSingle(fromFactor, toFactor, *value))
            placeRightLabel(*converted, label);
    }
    return layout;
}
