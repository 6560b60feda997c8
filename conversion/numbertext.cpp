#include "conversion/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int singleDigits = 7;
constexpr int doubleDigits = 15;

// A finite value as significant decimal digits: ±d.ddd… × 10^exponent.
struct DecimalDigits
{
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

DecimalDigits decimalDigits(double v, int significant)
{
    char buffer[64];
    const auto written = std::to_chars(
        buffer, buffer + sizeof buffer - 1, v, std::chars_format::scientific, significant - 1);
    *written.ptr = '\0';
    DecimalDigits d;
    const char *p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            d.digits.push_back(*p);
    }
    d.exponent = std::atoi(p + 1);
    return d;
}

bool allZero(const std::string &digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
}

// Adds one unit in the last place of a digit string; true when it carried out
// of the first digit (999 became 000).
bool incrementDigits(std::string &digits)
{
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return false;
        }
    }
    return true;
}

struct FixedParts
{
    bool negative = false;
    std::string whole; // no leading zeros, "0" for none
    std::string fraction; // exactly the requested number of digits
};

FixedParts fixedParts(const DecimalDigits &d, int decimals)
{
    std::string all = d.digits;
    int point = d.exponent + 1; // digits before the point
    if (point <= 0) {
        all.insert(0, std::string(-point, '0'));
        point = 0;
    } else if (point > int(all.size())) {
        all.append(point - int(all.size()), '0');
    }
    std::string whole = all.substr(0, point);
    std::string fraction = all.substr(point);
    if (int(fraction.size()) > decimals) {
        const bool up = fraction[decimals] >= '5';
        fraction.resize(decimals);
        if (up) {
            std::string joined = whole + fraction;
            if (incrementDigits(joined))
                joined.insert(0, 1, '1');
            whole = joined.substr(0, joined.size() - decimals);
            fraction = joined.substr(joined.size() - decimals);
        }
    } else {
        fraction.append(decimals - int(fraction.size()), '0');
    }
    const auto firstDigit = whole.find_first_not_of('0');
    whole = firstDigit == std::string::npos ? std::string("0") : whole.substr(firstDigit);

    FixedParts parts;
    parts.negative = d.negative && !(allZero(whole) && allZero(fraction));
    parts.whole = whole;
    parts.fraction = fraction;
    return parts;
}

std::string grouped(const std::string &whole)
{
    std::string out;
    const int n = int(whole.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.push_back(',');
        out.push_back(whole[i]);
    }
    return out;
}

QString joinFixed(const FixedParts &parts, bool grouping)
{
    std::string text = parts.negative ? "-" : "";
    text += grouping ? grouped(parts.whole) : parts.whole;
    if (!parts.fraction.empty())
        text += "." + parts.fraction;
    return QString::fromLatin1(text);
}

QString groupedFixed(double v, int significant, int decimals)
{
    Q_ASSERT_X(decimals >= 0, "groupedFixedText", "negative number of decimals");
    if (!std::isfinite(v))
        return QString();
    return joinFixed(fixedParts(decimalDigits(v, significant), qMax(decimals, 0)), true);
}

QString exponentText(int exponent, bool alwaysSign)
{
    QString text = exponent < 0 ? QStringLiteral("-") : (alwaysSign ? QStringLiteral("+") : QString());
    text += QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
    return text;
}

QString generalText(double v, int significant)
{
    if (!std::isfinite(v))
        return QString();
    if (v == 0.0)
        return QStringLiteral(" 0"); // also for -0
    DecimalDigits d = decimalDigits(v, significant);
    // The shortest text: trailing zeros of the mantissa say nothing.
    const auto last = d.digits.find_last_not_of('0');
    d.digits.resize(last + 1);

    std::string body;
    if (d.exponent >= -4 && d.exponent < significant) {
        if (d.exponent < 0) {
            body = "0." + std::string(-d.exponent - 1, '0') + d.digits;
        } else if (int(d.digits.size()) <= d.exponent + 1) {
            body = d.digits + std::string(d.exponent + 1 - d.digits.size(), '0');
        } else {
            body = d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
        }
        return QString::fromLatin1((d.negative ? "-" : " ") + body);
    }
    body = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        body += "." + d.digits.substr(1);
    return QString::fromLatin1((d.negative ? "-" : " ") + body) + QLatin1Char('E')
        + exponentText(d.exponent, true);
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isExponentMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'E' || u == u'e' || u == u'D' || u == u'd';
}

// Reads an exponent (mark, optional sign, digits) at text[i]; on success appends
// it to `out` in strtod's form and moves i past it.
bool readExponent(QStringView text, qsizetype &i, std::string &out)
{
    qsizetype j = i;
    if (j >= text.size() || !isExponentMark(text[j]))
        return false;
    ++j;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
        exponent.push_back(char(text[j++].unicode()));
    const qsizetype digitsStart = j;
    while (j < text.size() && isDigit(text[j]))
        exponent.push_back(char(text[j++].unicode()));
    if (j == digitsStart)
        return false;
    out += exponent;
    i = j;
    return true;
}

} // namespace

QString groupedFixedText(float v, int decimals)
{
    return groupedFixed(v, singleDigits, decimals);
}

QString groupedFixedText(double v, int decimals)
{
    return groupedFixed(v, doubleDigits, decimals);
}

QString fixedText(float v)
{
    if (!std::isfinite(v))
        return QString();
    return joinFixed(fixedParts(decimalDigits(v, singleDigits), 2), false);
}

QString scientificText(float v, ExponentSign sign)
{
    if (!std::isfinite(v))
        return QString();
    DecimalDigits d = decimalDigits(v, singleDigits);
    std::string mantissa = d.digits.substr(0, 3);
    int exponent = d.exponent;
    if (d.digits[3] >= '5' && incrementDigits(mantissa)) {
        mantissa = "100";
        ++exponent;
    }
    if (allZero(mantissa))
        exponent = 0;
    const bool negative = d.negative && !allZero(mantissa);
    QString text = QString::fromLatin1(
        std::string(negative ? "-" : "") + mantissa.substr(0, 1) + "." + mantissa.substr(1));
    return text + QLatin1Char('E') + exponentText(exponent, sign == ExponentSign::Always);
}

QString generalNumberText(float v)
{
    return generalText(v, singleDigits);
}

QString generalNumberText(double v)
{
    return generalText(v, doubleDigits);
}

QString generalNumberText(qint32 v)
{
    return v >= 0 ? QLatin1Char(' ') + QString::number(v) : QString::number(v);
}

double leadingNumber(QStringView text)
{
    QString packed;
    packed.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            packed.append(c);
    }
    std::string number;
    qsizetype i = 0;
    if (i < packed.size() && (packed[i] == QLatin1Char('+') || packed[i] == QLatin1Char('-')))
        number.push_back(char(packed[i++].unicode()));
    bool anyDigit = false;
    bool point = false;
    for (; i < packed.size(); ++i) {
        const QChar c = packed[i];
        if (isDigit(c)) {
            number.push_back(char(c.unicode()));
            anyDigit = true;
        } else if (c == QLatin1Char('.') && !point) {
            number.push_back('.');
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    readExponent(packed, i, number);
    return std::strtod(number.c_str(), nullptr);
}

std::optional<double> unboundedNumericValue(QStringView text)
{
    // Blanks may stand around the number, nothing else.
    while (!text.isEmpty() && text.front() == QLatin1Char(' '))
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    qsizetype i = 0;
    std::string number;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number.push_back(char(text[i++].unicode()));

    // Whole part: plain digits, or thousands groups after a first group of 1 to 3.
    const qsizetype wholeStart = i;
    while (i < text.size() && isDigit(text[i]))
        number.push_back(char(text[i++].unicode()));
    const qsizetype firstGroup = i - wholeStart;
    if (i < text.size() && text[i] == QLatin1Char(',')) {
        if (firstGroup < 1 || firstGroup > 3 || text[wholeStart] == QLatin1Char('0'))
            return std::nullopt;
        while (i < text.size() && text[i] == QLatin1Char(',')) {
            for (int k = 1; k <= 3; ++k) {
                if (i + k >= text.size() || !isDigit(text[i + k]))
                    return std::nullopt;
                number.push_back(char(text[i + k].unicode()));
            }
            i += 4;
            if (i < text.size() && isDigit(text[i]))
                return std::nullopt; // a group of more than three digits
        }
    }
    qsizetype digits = i - wholeStart;

    if (i < text.size() && text[i] == QLatin1Char('.')) {
        number.push_back('.');
        ++i;
        const qsizetype fractionStart = i;
        while (i < text.size() && isDigit(text[i]))
            number.push_back(char(text[i++].unicode()));
        digits += i - fractionStart;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size() && isExponentMark(text[i]) && !readExponent(text, i, number))
        return std::nullopt;
    if (i != text.size())
        return std::nullopt;
    return std::strtod(number.c_str(), nullptr);
}

std::optional<double> numericValue(QStringView text)
{
    const std::optional<double> value = unboundedNumericValue(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

bool isNumericText(QStringView text)
{
    return numericValue(text).has_value();
}

QString trimResultText(const QString &text)
{
    const QStringList steps = trimResultSteps(text);
    return steps.isEmpty() ? text : steps.last();
}

QStringList trimResultSteps(const QString &text)
{
    QStringList steps;
    QString s = text;
    while (s.endsWith(QLatin1Char('0'))) {
        s.chop(1);
        steps.append(s);
    }
    if (s.endsWith(QLatin1Char('.'))) {
        s.chop(1);
        steps.append(s);
    }
    return steps;
}
