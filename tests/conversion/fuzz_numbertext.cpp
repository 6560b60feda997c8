// Fuzzes the number texts: reading a volume text (leadingNumber, isNumericText,
// numericValue), the formatting helpers, and the conversion of a pasted text.
// None may crash; no helper may write "inf", "nan" or an empty text for a finite
// value; and they must agree with each other: a text that isNumericText accepts
// has a finite leadingNumber, and a value formatted and read back is the value
// to the precision the text shows.
//
// Input: the first byte chooses what the rest is.
//   even: a text (odd second bit: UTF-8, else Latin-1), as pasted into the box;
//   odd:  a value: 8 bytes of a double (its first 4 also taken as a float), then
//         a byte for the number of decimals (0 to 15) and a byte for the flask.

#include "conversion/conversionarithmetic.h"
#include "conversion/numbertext.h"
#include "conversion/volumeinput.h"

#include <QRegularExpression>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "%s\n[%s]\n", what, detail.toUtf8().constData());
    std::abort();
}

QString describe(double v)
{
    return QString::number(v, 'g', 17);
}

// A text shown for a finite value: never empty, never an infinity or NaN.
void checkShown(const char *helper, const QString &text, double v)
{
    if (text.isEmpty())
        fail(helper, QStringLiteral("empty text for ") + describe(v));
    const QString lower = text.toLower();
    if (lower.contains(QLatin1String("inf")) || lower.contains(QLatin1String("nan")))
        fail(helper, text + QStringLiteral(" for ") + describe(v));
}

void checkClose(const char *helper, const QString &text, double v, double read, double tolerance)
{
    if (!std::isfinite(read) || std::fabs(read - v) > tolerance)
        fail(helper,
            text + QStringLiteral(" reads back as ") + describe(read) + QStringLiteral(" for ")
                + describe(v));
}

double tenTo(int n)
{
    return std::pow(10.0, n);
}

// groupedFixedText: d decimals exactly, grouped thousands, a "0" before the
// point below 1; read back within half a unit of its last decimal (plus what
// the type's own significant digits leave out).
void checkGroupedFixed(const QString &text, double v, int decimals, double relative)
{
    checkShown("groupedFixedText", text, v);
    static const QRegularExpression shape(
        QStringLiteral("^-?[1-9]\\d{0,2}(,\\d{3})*(\\.\\d+)?$|^-?0(\\.\\d+)?$"));
    if (!shape.match(text).hasMatch())
        fail("groupedFixedText: not a grouped fixed text", text);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const qsizetype shownDecimals = point < 0 ? 0 : text.size() - point - 1;
    if (shownDecimals != decimals)
        fail("groupedFixedText: wrong number of decimals", text);
    const std::optional<double> read = numericValue(text);
    if (!read)
        fail("groupedFixedText: isNumericText refuses it", text);
    checkClose(
        "groupedFixedText", text, v, *read, 0.5 * tenTo(-decimals) * (1 + 1e-9) + std::fabs(v) * relative);
}

void checkValue(double d, float f, int decimals, uint8_t flask)
{
    if (std::isfinite(d)) {
        checkGroupedFixed(groupedFixedText(d, decimals), d, decimals, 2e-14);

        const QString general = generalNumberText(d);
        checkShown("generalNumberText(double)", general, d);
        if (!general.startsWith(d < 0 ? QLatin1Char('-') : QLatin1Char(' ')))
            fail("generalNumberText(double): wrong lead", general);
        if (!isNumericText(general))
            fail("generalNumberText(double): isNumericText refuses it", general);
        checkClose("generalNumberText(double)", general, d, leadingNumber(general), std::fabs(d) * 1e-14);

        // A Long keeps its plain digits.
        if (std::fabs(d) < 2e9) {
            const auto whole = qint32(d);
            const QString longText = generalNumberText(whole);
            if (leadingNumber(longText) != double(whole) || longText.contains(QLatin1Char('E')))
                fail("generalNumberText(Long)", longText);
        }
    } else {
        // No text for what has no value.
        if (!groupedFixedText(d, decimals).isEmpty() || !generalNumberText(d).isEmpty())
            fail("a text for a value that is not finite", describe(d));
    }

    if (!std::isfinite(f))
        return;
    const double v = f;
    const QString grouped = groupedFixedText(f, decimals);
    checkGroupedFixed(grouped, v, decimals, 1e-6);

    // The trimmed text shows the same value without trailing zeros or point.
    const QStringList steps = trimResultSteps(grouped);
    const QString trimmed = trimResultText(grouped);
    if (!steps.isEmpty() && steps.last() != trimmed)
        fail("trimResultSteps does not end in trimResultText", grouped);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (steps[i].size() != grouped.size() - i - 1)
            fail("trimResultSteps removes more than one character a step", grouped);
    }
    if (decimals > 0) {
        checkShown("trimResultText", trimmed, v);
        if (trimmed.endsWith(QLatin1Char('.'))
            || (trimmed.endsWith(QLatin1Char('0')) && trimmed.contains(QLatin1Char('.'))))
            fail("trimResultText left a trailing zero or point", trimmed);
        const std::optional<double> read = numericValue(trimmed);
        if (!read || *read != *numericValue(grouped))
            fail("trimResultText changed the value", grouped + QStringLiteral(" -> ") + trimmed);
    }

    const QString fixed = fixedText(f);
    checkShown("fixedText", fixed, v);
    static const QRegularExpression fixedShape(QStringLiteral("^-?\\d+\\.\\d\\d$"));
    if (!fixedShape.match(fixed).hasMatch())
        fail("fixedText: not a two-decimal text", fixed);
    checkClose(
        "fixedText", fixed, v, numericValue(fixed).value_or(NAN), 0.005 * (1 + 1e-9) + std::fabs(v) * 1e-6);

    for (const ExponentSign sign : { ExponentSign::Always, ExponentSign::WhenNegative }) {
        const QString scientific = scientificText(f, sign);
        checkShown("scientificText", scientific, v);
        static const QRegularExpression always(QStringLiteral("^-?\\d\\.\\d\\dE[+-]\\d{2,}$"));
        static const QRegularExpression whenNegative(QStringLiteral("^-?\\d\\.\\d\\dE-?\\d{2,}$"));
        if (!(sign == ExponentSign::Always ? always : whenNegative).match(scientific).hasMatch())
            fail("scientificText: wrong shape", scientific);
        if (v != 0 && scientific.startsWith(QLatin1Char('0'))
            && !scientific.startsWith(QLatin1String("0.00E")))
            fail("scientificText: mantissa below 1", scientific);
        checkClose("scientificText", scientific, v, numericValue(scientific).value_or(NAN),
            std::fabs(v) * 0.005 * (1 + 1e-6) + 1e-300);
    }

    const QString general = generalNumberText(f);
    checkShown("generalNumberText(float)", general, v);
    if (!isNumericText(general))
        fail("generalNumberText(float): isNumericText refuses it", general);
    checkClose("generalNumberText(float)", general, v, leadingNumber(general), std::fabs(v) * 1e-6);

    // The result box's text for a result.
    const QString result = resultText(f);
    checkShown("resultText", result, v);
    checkClose("resultText", result, v, numericValue(result).value_or(NAN),
        (std::fabs(v) < 1 ? 0.5e-10 : 0.5e-4) * (1 + 1e-9) + std::fabs(v) * 1e-6);

    // The volume and result a flask row stands for, on any scale a conversion
    // can leave behind.
    const float y = float(scaleTopRow + (flask % (scaleSpan + 1)));
    const bool atLeastOne = flask & 0x80;
    const auto exponent = qint16(decimals * 3 % 39);
    const float toFactor = std::isfinite(f) && f > 0 ? f : 1.0f;
    const LevelVolume level = volumeFromLevel(y, atLeastOne, exponent, exponent, 1.0f, toFactor);
    if (level.volumeWrites.isEmpty() || level.resultWrites.isEmpty())
        fail("volumeFromLevel wrote nothing", describe(y));
    for (const QString &text : level.volumeWrites + level.resultWrites)
        checkShown("volumeFromLevel", text, y);
    if (!isNumericText(level.volumeWrites.last()))
        fail("volumeFromLevel: volume text is no number", level.volumeWrites.last());
}

void checkText(const QString &text)
{
    const double leading = leadingNumber(text);
    const std::optional<double> value = numericValue(text);
    if (isNumericText(text) != value.has_value())
        fail("isNumericText and numericValue disagree", text);

    // A pasted text converts or is refused; it never breaks the conversion.
    const float factors[][2]
        = { { 1.0f, 1.0f }, { 0.000473176473f, 0.001f }, { 1e-6f, 1e6f }, { 1e6f, 1e-6f } };
    for (const auto &[from, to] : factors) {
        const ConversionOutcome outcome = convertVolume(text, from, to);
        if (!value && outcome.ok())
            fail("a text that is no number was converted", text);
        if (!outcome.ok())
            continue;
        if (!std::isfinite(outcome.volumeValue) || !std::isfinite(outcome.resultValue)
            || outcome.volumeValue < 0)
            fail("conversion kept a volume or result without a value", text);
        for (const QString &shown : outcome.resultWrites)
            checkShown("conversion result", shown, outcome.resultValue);
        if (outcome.fluidTopRow < scaleTopRow || outcome.fluidTopRow > scaleZeroRow)
            fail("fluid level outside the flask",
                text + QStringLiteral(" row ") + QString::number(outcome.fluidTopRow));
        if (outcome.levelFraction < 0 || outcome.levelFraction > 1)
            fail("level fraction outside 0 to 1", text);
    }

    if (!value)
        return;
    if (!std::isfinite(*value))
        fail("numericValue gave a value that is not finite", text);
    if (!std::isfinite(leading))
        fail("a number text has no finite leadingNumber", text);
    // Without grouping the two readers read the same number; grouping never
    // changes the value.
    if (!text.contains(QLatin1Char(','))) {
        if (leading != *value)
            fail("leadingNumber and numericValue disagree", text);
    } else {
        QString plain = text;
        plain.remove(QLatin1Char(','));
        const std::optional<double> ungrouped = numericValue(plain);
        if (!ungrouped || *ungrouped != *value)
            fail("grouping changed the value", text);
        if (leading != numericValue(text.left(text.indexOf(QLatin1Char(',')))).value_or(NAN))
            fail("leadingNumber did not stop at the group separator", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    ++data;
    --size;
    if ((mode & 1) == 0) {
        const auto *chars = reinterpret_cast<const char *>(data);
        const QString text = (mode & 2) ? QString::fromUtf8(chars, qsizetype(size))
                                        : QString::fromLatin1(chars, qsizetype(size));
        checkText(text);
        return 0;
    }
    uint8_t bytes[10] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    double d;
    float f;
    std::memcpy(&d, bytes, sizeof d);
    std::memcpy(&f, bytes, sizeof f);
    checkValue(d, f, bytes[8] % 16, bytes[9]);
    return 0;
}
