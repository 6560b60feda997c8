#include "conversion/volumeinput.h"

#include "conversion/conversionarithmetic.h"
#include "conversion/numbertext.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace {

bool holdsPoint(QStringView text)
{
    return text.trimmed().startsWith(QLatin1Char('.')) || text.indexOf(QLatin1Char('.')) >= 1;
}

bool isDigitKey(int key)
{
    return key >= '0' && key <= '9';
}

bool isEditingKey(int key)
{
    return key == volumeKey::backspace || key == volumeKey::escape || key == volumeKey::enter;
}

// A drag volume always has a Single value: the scale top of a conversion fits
// one, and a stale exponent only pins the value to the largest Single.
float saturatedSingle(double value)
{
    return float(std::clamp(value, -double(FLT_MAX), double(FLT_MAX)));
}

} // namespace

int filterVolumeKey(QStringView boxText, int keyAscii)
{
    if (isDigitKey(keyAscii) || isEditingKey(keyAscii))
        return keyAscii;
    if (keyAscii == volumeKey::point && !holdsPoint(boxText))
        return keyAscii;
    return 0;
}

QString textOutsideSelection(QStringView boxText, int selStart, int selLength)
{
    const qsizetype start = qBound(qsizetype(0), qsizetype(selStart), boxText.size());
    const qsizetype end = qBound(start, start + qMax(0, selLength), boxText.size());
    return boxText.left(start).toString().append(boxText.mid(end));
}

QString volumeBoxText(QStringView pasted)
{
    QString text = pasted.toString();
    for (QChar &c : text) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    return text;
}

LevelVolume volumeFromLevel(float y, bool volumeAtLeastOne, qint16 scaleExponent,
    qint16 fractionScaleExponent, float fromFactor, float toFactor)
{
    LevelVolume level;
    const std::optional<float> ratio = convertedSingle(fromFactor, toFactor, 1.0);
    const double height = scaleZeroRow - double(y);

    double volume = 0.0;
    if (volumeAtLeastOne) {
        volume = height * std::pow(10.0, scaleExponent) / scaleSpan;
        level.dragVolume = saturatedSingle(volume);
        const QString text = groupedFixedText(level.dragVolume, 4);
        level.volumeWrites.append(text);
        if (text.contains(QLatin1Char('.')))
            level.volumeWrites += trimResultSteps(text);
    } else {
        volume = height / scaleSpan / std::pow(10.0, fractionScaleExponent);
        level.dragVolume = saturatedSingle(volume);
        const QString text = groupedFixedText(level.dragVolume, 10);
        level.volumeWrites.append(text);
        if (leadingNumber(text) == 1.0)
            level.volumeWrites.append(QStringLiteral("1"));
        else
            level.volumeWrites += trimResultSteps(text);
    }

    if (ratio)
        level.dragResult = toSingle(volume * double(*ratio));
    level.resultWrites = level.dragResult ? resultTextWrites(*level.dragResult)
                                          : QStringList { QStringLiteral("No conversion") };
    return level;
}
